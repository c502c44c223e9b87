#include "browse/frmSingleTable.h"

#include <QDialog>
#include <QPointer>

#include "core/RecordEditor.h"
#include "core/WindowRegistry.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
}  // namespace

frmSingleTable::frmSingleTable(QWidget* parent) : BrowseWindow(parent) {}

QString frmSingleTable::TotalQuery(const QString& totalSQL) const {
  return totalSQL + ' ' + WhereArea();
}

bool frmSingleTable::ModifyData() {
  const int row = ActionRecordRow();
  return row > 0 && OpenEditor(1, row, kModifyCaption);
}

bool frmSingleTable::AddData() { return OpenEditor(0, 0, kAddCaption); }

bool frmSingleTable::OpenEditor(int editMode, int row, int captionKey) {
  QPointer<QWidget> window = WindowRegistry::Create(QStringLiteral("frmEdit"), this);
  auto* editor = dynamic_cast<RecordEditor*>(window.data());
  if (!editor) {
    delete window;
    return false;
  }
  editor->SetForm(this);
  editor->SetEditMode(editMode);
  editor->SetAllowAdd(CanAdd());
  editor->SetModuleName(ModuleName());
  editor->SetRsName(RsName());
  if (editMode == 1) editor->SetID(row);
  // Messages shown while the editor builds carry its caption.
  window->setWindowIcon(windowIcon());
  window->setWindowTitle(CaptionFor(captionKey));
  const bool loaded = editor->Load();
  if (loaded)
    if (auto* dialog = qobject_cast<QDialog*>(window.data())) dialog->exec();
  delete window;
  return loaded;
}

bool frmSingleTable::CanAdd() const { return tbrMain()->Button(QStringLiteral("Add")) != nullptr; }

void frmSingleTable::vsData_DblClick() {
  if (vsData()->SelectedRows() > 0 && CanModify()) ModifyData();
}

}  // namespace rd
