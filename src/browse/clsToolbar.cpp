#include "browse/clsToolbar.h"

#include <QMetaMethod>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/ui/Ui.h"

namespace rd {

clsToolbar::clsToolbar(QObject* parent) : QObject(parent) {}

void clsToolbar::Test(const QVariantList&) {
  MsgBox("Function", MsgIcon::None, MsgButtons::OkOnly, AppTitle);
}

bool clsToolbar::Call(const QString& method, const QVariantList& params, QString* error) {
  const QMetaObject* meta = metaObject();
  // Only the invokables declared here: nothing inherited from QObject.
  for (int i = clsToolbar::staticMetaObject.methodOffset(); i < meta->methodCount(); ++i) {
    const QMetaMethod m = meta->method(i);
    if (m.methodType() != QMetaMethod::Method || m.access() != QMetaMethod::Public) continue;
    if (m.parameterCount() != 1 || m.parameterType(0) != QMetaType::QVariantList) continue;
    if (QString::fromLatin1(m.name()).compare(method, Qt::CaseInsensitive) != 0) continue;
    if (m.invoke(this, Qt::DirectConnection, Q_ARG(QVariantList, params))) return true;
    break;
  }
  if (error) *error = ReplaceParams(GetLangString(1205), {method});
  return false;
}

}  // namespace rd
