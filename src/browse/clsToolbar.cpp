#include "browse/clsToolbar.h"

#include <QMetaMethod>

#include "browse/frmListBill.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/ToolbarButton.h"

namespace rd {

clsToolbar::clsToolbar(QObject* parent) : QObject(parent) {}

void clsToolbar::Test(const QVariantList&) {
  MsgBox("Function", MsgIcon::None, MsgButtons::OkOnly, AppTitle);
}

void clsToolbar::ListBillForm(const QVariantList& params) {
  auto* window = qobject_cast<QWidget*>(params.value(0).value<QObject*>());
  auto* button = qobject_cast<ToolbarButton*>(params.value(2).value<QObject*>());
  frmListBill picker(window);
  picker.SetForm(window);
  picker.SetButton(button);
  picker.SetModuleName(params.value(1).toString());
  picker.SetSql(button ? button->Tag().section(QLatin1Char('|'), 1, 1) : QString());
  picker.SetKey(params.value(3).toString());
  picker.GetData();
  picker.exec();
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
