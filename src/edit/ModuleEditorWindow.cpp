#include "edit/ModuleEditorWindow.h"

#include <exception>

#include "browse/GridRecordID.h"
#include "browse/RecordSource.h"
#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/ModuleWindow.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

ModuleEditorWindow::ModuleEditorWindow(QWidget* parent)
    : EditorWindow(parent), tbrMain_(new Toolbar(this)), imgBar_(new ImageList(this)) {
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  imgBar_->setObjectName(QStringLiteral("imgBar"));
  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);
  tbrMain_->setFixedHeight(Twips::ToPx(kToolbarHeight));
  connect(tbrMain_, &Toolbar::ButtonClick, this, &ModuleEditorWindow::tbrMain_ButtonClick);
}

ModuleEditorWindow::~ModuleEditorWindow() = default;

void ModuleEditorWindow::SetOpener(ModuleWindow* form) {
  opener_ = form;
  openerObject_ = dynamic_cast<QObject*>(form);
}

ModuleWindow* ModuleEditorWindow::Form() const { return openerObject_ ? opener_ : nullptr; }

int ModuleEditorWindow::PlaceToolbar(const QString& mode, int clientWidth) {
  BuildToolbar(this, moduleName_, mode);
  tbrMain_->setGeometry(0, 0, Twips::ToPx(clientWidth), Twips::ToPx(kToolbarHeight));
  return kToolbarHeight;
}

bool ModuleEditorWindow::RunsButton(const QString&) const { return true; }

void ModuleEditorWindow::tbrMain_ButtonClick(ToolbarButton* button) {
  if (!button) return;
  try {
    if (button->Key() == QLatin1String("Close"))
      reject();
    else if (RunsButton(button->Key()))
      ExecuteButtonFunction(this, moduleName_, button);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

std::optional<qlonglong> ModuleEditorWindow::RecordID() const {
  ModuleWindow* opener = Form();
  if (!opener || !opener->vsData()) return std::nullopt;
  return GridRecordID(*opener->vsData(), id_);
}

std::optional<RecordForm::KeyScope> ModuleEditorWindow::CheckScope() const {
  RecordSource source;
  if (!source.Load(rsName_)) return std::nullopt;
  RecordForm::KeyScope scope;
  scope.editMode = editMode_;
  scope.recordId = RecordID().value_or(0);
  scope.selectSQL = source.SelectSQL();
  scope.whereArea = source.WhereArea();
  return scope;
}

bool ModuleEditorWindow::ReadyToSave() {
  if (!DbConnection) return false;
  if (editMode_ != 0 && !RecordID()) {
    showError(GetLangString(1211));
    return false;
  }
  return true;
}

bool ModuleEditorWindow::SaveRecord(const RecordWriter& write) {
  Transaction transaction(*DbConnection);
  if (!transaction.Started()) {
    showError(DbConnection->LastError());
    return false;
  }
  std::optional<SqlTemplate::Values> values = fields_->SaveValues(editMode_, rsName_);
  if (!values) {
    fields_->RestoreBillTexts();
    return false;
  }
  if (editMode_ != 0)
    values->insert(values->begin(), {QStringLiteral("ID"), QString::number(RecordID().value_or(0))});
  QString error;
  if (!write(*values, &error) || !transaction.Commit()) {
    fields_->RestoreBillTexts();
    showError(error.isEmpty() ? DbConnection->LastError() : error);
    return false;
  }
  if (ModuleWindow* opener = Form()) opener->RefreshData(QString());
  return true;
}

}  // namespace rd
