#include "edit/windows/frmEdit.h"

#include <QPushButton>
#include <exception>

#include "browse/RecordSource.h"
#include "browse/SqlLiteral.h"
#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/ModuleWindow.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "edit/engine/modExpressions.h"
#include "edit/windows/RecordForm.h"
#include "edit/windows/SqlTemplate.h"
#include "edit/windows/modForm.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {
constexpr int kSave = 1056;
constexpr int kSaveAndAdd = 1057;
constexpr int kCancel = 1039;
constexpr int kClientWidth = 8250;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;
// Twips of the window's height beyond the buttons' top that are frame and
// title bar, not client area.
constexpr int kFrameHeight = 400;

QPushButton* makeButton(QWidget* parent, const char* name) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->resize(Twips::ToPx(kButtonWidth), Twips::ToPx(kButtonHeight));
  return button;
}
}  // namespace

frmEdit::frmEdit(QWidget* parent)
    : QDialog(parent),
      form_(new RecordForm(this)),
      tbrMain_(new Toolbar(this)),
      imgBar_(new ImageList(this)),
      cmdSave_(makeButton(this, "cmdSave")),
      cmdAdd_(makeButton(this, "cmdAdd")),
      cmdCancel_(makeButton(this, "cmdCancel")) {
  setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint & ~Qt::WindowContextHelpButtonHint);
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  imgBar_->setObjectName(QStringLiteral("imgBar"));
  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);
  cmdAdd_->setDefault(true);

  connect(cmdSave_, &QPushButton::clicked, this, &frmEdit::cmdSave_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmEdit::cmdAdd_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmEdit::cmdCancel_Click);
  connect(tbrMain_, &Toolbar::ButtonClick, this, &frmEdit::tbrMain_ButtonClick);
  connect(form_, &RecordForm::SelectClicked, this, &frmEdit::cmdSelect_Click);
  connect(form_, &RecordForm::FieldEvent, this,
          [this](int label, ControlKind kind, bool lostFocus) {
            const bool list = kind == ControlKind::Combo || kind == ControlKind::ComboList;
            if (lostFocus == list) return;
            CalculateField(*form_, form_->Label1.Tag(label));
            SetDisplayFormat(*form_);
          });
  connect(form_, &RecordForm::TextAreaFocus, this, [this](bool entered) {
    QPushButton* enter = allowAdd_ ? cmdAdd_ : cmdSave_;
    enter->setDefault(!entered);
  });
}

frmEdit::~frmEdit() = default;

void frmEdit::SetForm(ModuleWindow* form) {
  opener_ = form;
  openerObject_ = dynamic_cast<QObject*>(form);
}

ModuleWindow* frmEdit::Form() const { return openerObject_ ? opener_ : nullptr; }

bool frmEdit::Load() {
  if (!BuildForm()) return false;
  cmdSave_->setText(GetLangString(kSave));
  cmdAdd_->setText(GetLangString(kSaveAndAdd));
  cmdCancel_->setText(GetLangString(kCancel));
  form_->RecalculateAll();
  SetDisplayFormat(*form_);
  return true;
}

bool frmEdit::BuildForm() {
  BuildToolbar(this, moduleName_, editMode_ != 0 ? QStringLiteral("Modify") : QStringLiteral("Add"));
  const int toolbarHeight = Twips::FromPx(tbrMain_->sizeHint().height());
  tbrMain_->setGeometry(0, 0, Twips::ToPx(kClientWidth), Twips::ToPx(toolbarHeight));
  if (!form_->Build(rsName_, FormLayout{}, toolbarHeight)) return false;

  const int top = form_->LastTop() + form_->LastHeight() + 90;
  cmdSave_->move(Twips::ToPx(allowAdd_ ? 3960 : 5400), Twips::ToPx(top));
  cmdAdd_->move(Twips::ToPx(5400), Twips::ToPx(top));
  cmdAdd_->setVisible(allowAdd_);
  cmdAdd_->setDefault(allowAdd_);
  cmdSave_->setDefault(!allowAdd_);
  cmdCancel_->move(Twips::ToPx(6840), Twips::ToPx(top));
  resize(Twips::ToPx(kClientWidth), Twips::ToPx(top + 880 - kFrameHeight));

  ModuleWindow* opener = Form();
  if (editMode_ == 1 && opener && opener->vsData())
    form_->LoadData(*opener->vsData(), id_);
  else if (editMode_ != 1)
    SetDefaultValue(*form_);
  return true;
}

qlonglong frmEdit::RecordID() const {
  ModuleWindow* opener = Form();
  if (!opener || !opener->vsData()) return 0;
  bool ok = false;
  const qlonglong id = opener->vsData()->TextMatrix(id_, 1).trimmed().toLongLong(&ok);
  return ok ? id : 0;
}

void frmEdit::showError(const QString& text) {
  MsgBox(text, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

bool frmEdit::CheckData() {
  RecordSource source;
  if (!source.Load(rsName_)) return false;
  RecordForm::KeyScope scope;
  scope.editMode = editMode_;
  scope.recordId = RecordID();
  scope.selectSQL = source.SelectSQL();
  scope.whereArea = source.WhereArea();
  return form_->CheckData(scope);
}

bool frmEdit::SaveData() {
  if (!DbConnection) return false;
  if (editMode_ != 0 && RecordID() == 0) {
    showError(QStringLiteral("The record has no record number and cannot be saved."));
    return false;
  }
  if (!CheckData()) return false;
  Recordset rs;
  if (!OpenRecordset("select * from tblRecordset where RsName=" + SqlLiteral(rsName_), rs, 1))
    return false;
  const QString statement = SqlTemplate::Statement(
      NullToStr(rs.Value(editMode_ != 0 ? QStringLiteral("UpdateSQL") : QStringLiteral("InsertSQL"))));

  // The bill numbers and the record are written together or not at all.
  Transaction transaction(*DbConnection);
  if (!transaction.Started()) {
    showError(DbConnection->LastError());
    return false;
  }
  std::optional<SqlTemplate::Values> values = form_->SaveValues(editMode_, rsName_);
  if (!values) {
    form_->RestoreBillTexts();
    return false;
  }
  if (editMode_ != 0) values->insert(values->begin(), {QStringLiteral("ID"), QString::number(RecordID())});
  QString error;
  if (!ExecuteSQL(SqlTemplate::Fill(statement, *values), &error) || !transaction.Commit()) {
    form_->RestoreBillTexts();
    showError(error.isEmpty() ? DbConnection->LastError() : error);
    return false;
  }
  if (ModuleWindow* opener = Form()) opener->RefreshData(QString());
  return true;
}

bool frmEdit::ClearData() { return form_->ClearData(rsName_); }

void frmEdit::cmdSave_Click() {
  try {
    if (SaveData()) accept();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void frmEdit::cmdAdd_Click() {
  try {
    if (!SaveData()) return;
    ClearData();
    SetDefaultValue(*form_);
    form_->RecalculateAll();
    SetDisplayFormat(*form_);
    editMode_ = 0;
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void frmEdit::cmdCancel_Click() { reject(); }

void frmEdit::tbrMain_ButtonClick(ToolbarButton* button) {
  if (!button) return;
  if (button->Key() == QLatin1String("Close"))
    reject();
  else
    ExecuteButtonFunction(this, moduleName_, button);
}

void frmEdit::cmdSelect_Click(int index) { SelectOption(this, *form_, form_->cmdSelect.Tag(index)); }

}  // namespace rd
