#include "core/OpenDataWindows.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

#include "core/MasterDetailEditor.h"
#include "core/ModuleWindow.h"
#include "core/RecordEditor.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"

namespace rd {

namespace {

bool IsEditorOrViewer(QWidget* w) {
  return dynamic_cast<MasterDetailEditor*>(w) || dynamic_cast<RecordEditor*>(w);
}

// Module windows, editors and viewers, guarded: closing one may delete others.
QList<QPointer<QWidget>> OpenDataWindows() {
  QList<QPointer<QWidget>> windows;
  for (QWidget* w : QApplication::allWidgets())
    if (dynamic_cast<ModuleWindow*>(w) || IsEditorOrViewer(w)) windows << w;
  return windows;
}

bool Names(const QStringList& names, const QString& name) {
  return !name.isEmpty() && names.contains(name, Qt::CaseInsensitive);
}

// A module window in a workspace closes with its frame.
void CloseWindow(QWidget* w) {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
    sub->close();
  else
    w->close();
}

// Takes the record sources, relation and caption from the module's row, as
// the main window gave them when it opened the window. False when the row
// is gone or cannot be read.
bool ReadModuleRow(ModuleWindow& module, QWidget& window) {
  Recordset rs;
  if (!OpenRecordset("select RsName,RsName2,Relation,[Language] from tblMenu where ID=" +
                         SqlLiteral(module.ModuleName()),
                     rs, 1) ||
      rs.Eof())
    return false;
  module.SetRsName(NullToStr(rs.Value("RsName")));
  if (window.inherits("rd::frmMultiTable")) {
    module.SetRsName2(NullToStr(rs.Value("RsName2")));
    module.SetRelation(NullToStr(rs.Value("Relation")));
  }
  window.setWindowTitle(NullToStr(rs.Value("Language")));
  return true;
}

}  // namespace

void ReloadOpenWindows() {
  for (const QPointer<QWidget>& w : OpenDataWindows()) {
    if (!w) continue;
    if (IsEditorOrViewer(w))
      w->close();
    else if (auto* module = dynamic_cast<ModuleWindow*>(w.data()))
      module->RefreshData(QString());
  }
}

void FollowDesignChange(const DesignChange& change) {
  if (change.Empty()) return;
  for (const QPointer<QWidget>& w : OpenDataWindows()) {
    if (!w) continue;
    auto* module = dynamic_cast<ModuleWindow*>(w.data());
    if (!module) {
      w->close();
    } else if (Names(change.deletedModules, module->ModuleName())) {
      CloseWindow(w);
    } else if (Names(change.modules, module->ModuleName())) {
      if (!ReadModuleRow(*module, *w)) continue;
      module->InitControl();
      module->RefreshData(QString());
    } else if (Names(change.sources, module->RsName()) || Names(change.sources, module->RsName2())) {
      module->RefreshData(QString());
    }
  }
}

}  // namespace rd
