#include "masterdetail/frmMultiEdit.h"

#include <QGroupBox>
#include <QPushButton>
#include <algorithm>
#include <exception>

#include "browse/RecordSource.h"
#include "browse/SqlLiteral.h"
#include "browse/modToolbar.h"
#include "core/Globals.h"
#include "core/ModuleWindow.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "edit/engine/modExpressions.h"
#include "edit/windows/ModalShow.h"
#include "edit/windows/RecordForm.h"
#include "edit/windows/SqlTemplate.h"
#include "edit/windows/modForm.h"
#include "masterdetail/DetailGrid.h"
#include "masterdetail/MasterDetailSave.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

namespace rd {

namespace {
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
constexpr int kConfirmDelete = 1023;
constexpr int kListAdd = 1014;
constexpr int kListModify = 1015;
constexpr int kListDelete = 1016;
constexpr int kSave = 1056;
constexpr int kSaveAndAdd = 1057;
constexpr int kCancel = 1039;
constexpr int kFrameCaption = 1115;
constexpr int kClientWidth = 11130;
constexpr int kFrameWidth = 11055;
constexpr int kFrameHeight = 3255;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;
// Twips of the window's height beyond the buttons' top that are title bar
// and border, not client area.
constexpr int kBorderHeight = 400;

QPushButton* makeButton(QWidget* parent, const char* name, int left, int top) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setGeometry(Twips::ToPx(left, top, kButtonWidth, kButtonHeight));
  return button;
}

void unloadFields(RecordForm& form) {
  form.Label1.UnloadAll();
  form.Text1.UnloadAll();
  form.Text2.UnloadAll();
  form.Combo1.UnloadAll();
  form.Combo2.UnloadAll();
  form.DTPicker1.UnloadAll();
  form.Check1.UnloadAll();
  form.cmdSelect.UnloadAll();
}
}  // namespace

frmMultiEdit::frmMultiEdit(QWidget* parent)
    : QDialog(parent),
      form_(new RecordForm(this)),
      tbrMain_(new Toolbar(this)),
      imgBar_(new ImageList(this)),
      frame1_(new QGroupBox(this)),
      vsData_(new FlexGrid(frame1_)),
      cmdListAdd_(makeButton(frame1_, "cmdListAdd", 6720, 240)),
      cmdListModify_(makeButton(frame1_, "cmdListModify", 8160, 240)),
      cmdListDelete_(makeButton(frame1_, "cmdListDelete", 9600, 240)),
      cmdSave_(makeButton(this, "cmdSave", 6840, 0)),
      cmdAdd_(makeButton(this, "cmdAdd", 8280, 0)),
      cmdCancel_(makeButton(this, "cmdCancel", 9720, 0)) {
  setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint & ~Qt::WindowContextHelpButtonHint);
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  imgBar_->setObjectName(QStringLiteral("imgBar"));
  AddStandardImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);
  form_->Label1[0]->resize(Twips::ToPx(1095), Twips::ToPx(495));
  form_->Text2[0]->resize(Twips::ToPx(9255), Twips::ToPx(1095));
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame1_->setGeometry(Twips::ToPx(0, 0, kFrameWidth, kFrameHeight));
  vsData_->setObjectName(QStringLiteral("vsData"));
  vsData_->setGeometry(Twips::ToPx(120, 720, 10815, 2400));
  form_->vsData = vsData_;
  cmdAdd_->setDefault(true);

  connect(cmdSave_, &QPushButton::clicked, this, &frmMultiEdit::cmdSave_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmMultiEdit::cmdAdd_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmMultiEdit::cmdCancel_Click);
  connect(cmdListAdd_, &QPushButton::clicked, this, &frmMultiEdit::cmdListAdd_Click);
  connect(cmdListModify_, &QPushButton::clicked, this, &frmMultiEdit::cmdListModify_Click);
  connect(cmdListDelete_, &QPushButton::clicked, this, &frmMultiEdit::cmdListDelete_Click);
  connect(vsData_, &FlexGrid::DblClick, this, [this](int row) {
    if (row > 0) cmdListModify_Click();
  });
  connect(tbrMain_, &Toolbar::ButtonClick, this, &frmMultiEdit::tbrMain_ButtonClick);
  connect(form_, &RecordForm::SelectClicked, this, &frmMultiEdit::cmdSelect_Click);
  connect(form_, &RecordForm::FieldEvent, this, [this](int label) { AfterChange(label); });
  connect(form_, &RecordForm::TextAreaFocus, this,
          [this](bool entered) { cmdAdd_->setDefault(!entered); });
}

frmMultiEdit::~frmMultiEdit() = default;

void frmMultiEdit::SetForm(ModuleWindow* form) {
  opener_ = form;
  openerObject_ = dynamic_cast<QObject*>(form);
}

ModuleWindow* frmMultiEdit::Form() const { return openerObject_ ? opener_ : nullptr; }

bool frmMultiEdit::Load() {
  try {
    unloadFields(*form_);
    if (!BuildForm()) return false;
    form_->RecalculateAll();
    SetDisplayFormat(*form_);
    return true;
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
    return false;
  }
}

bool frmMultiEdit::BuildForm() {
  BuildToolbar(this, moduleName_, editMode_ != 0 ? QStringLiteral("Modify") : QStringLiteral("Add"));
  const int toolbarHeight = Twips::FromPx(tbrMain_->sizeHint().height());
  tbrMain_->setGeometry(0, 0, Twips::ToPx(kClientWidth), Twips::ToPx(toolbarHeight));
  FormLayout layout;
  layout.columns = 3;
  layout.columnWidth = 3650;
  layout.areaExtra = 650;
  if (!form_->Build(rsName_, layout, toolbarHeight)) return false;

  const int frameTop = form_->LastTop() + form_->LastHeight();
  frame1_->setTitle(GetLangString(kFrameCaption));
  frame1_->move(0, Twips::ToPx(frameTop));
  cmdListAdd_->setText(GetLangString(kListAdd));
  cmdListModify_->setText(GetLangString(kListModify));
  cmdListDelete_->setText(GetLangString(kListDelete));
  const int buttonTop = frameTop + kFrameHeight + 200;
  cmdSave_->setText(GetLangString(kSave));
  cmdAdd_->setText(GetLangString(kSaveAndAdd));
  cmdCancel_->setText(GetLangString(kCancel));
  for (QPushButton* button : {cmdSave_, cmdAdd_, cmdCancel_})
    button->move(button->x(), Twips::ToPx(buttonTop));
  setFixedSize(Twips::ToPx(kClientWidth), Twips::ToPx(buttonTop + 880 - kBorderHeight));

  loadedRelationValue_.clear();
  QString filter = QStringLiteral("1=0");
  ModuleWindow* opener = Form();
  if (editMode_ == 1) {
    if (opener && opener->vsData()) form_->LoadData(*opener->vsData(), id_);
    QString masterField;
    if (DetailGrid::SplitRelation(relation_, &masterField, nullptr)) {
      const FieldDef* field = form_->FindField(masterField);
      loadedRelationValue_ = field ? form_->Value(*field) : QString();
    }
    filter = DetailGrid::RelationFilter(relation_, loadedRelationValue_);
  } else {
    SetDefaultValue(*form_);
  }
  RefreshData(filter);
  return true;
}

bool frmMultiEdit::RefreshData(const QString& filter) {
  DetailGrid::Query query;
  const bool ok = DetailGrid::Refresh(*vsData_, rsName2_, filter, &query);
  selectSQL_ = query.selectSQL;
  whereArea_ = query.whereArea;
  orderArea_ = query.orderArea;
  return ok;
}

void frmMultiEdit::GridCalculate() {
  ExecCalculate(*form_, vsData_->Tag());
  form_->RecalculateAll();
  SetDisplayFormat(*form_);
}

void frmMultiEdit::AfterChange(int label) {
  CalculateField(*form_, form_->Label1.Tag(label));
  SetDisplayFormat(*form_);
}

qlonglong frmMultiEdit::RecordID() const {
  ModuleWindow* opener = Form();
  if (!opener || !opener->vsData()) return 0;
  bool ok = false;
  const qlonglong id = opener->vsData()->TextMatrix(id_, 1).trimmed().toLongLong(&ok);
  return ok ? id : 0;
}

void frmMultiEdit::showError(const QString& text) {
  MsgBox(text, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

bool frmMultiEdit::CheckData() {
  RecordSource source;
  if (!source.Load(rsName_)) return false;
  RecordForm::KeyScope scope;
  scope.editMode = editMode_;
  scope.recordId = RecordID();
  scope.selectSQL = source.SelectSQL();
  scope.whereArea = source.WhereArea();
  return form_->CheckData(scope);
}

bool frmMultiEdit::SaveData() {
  if (!DbConnection) return false;
  if (editMode_ != 0 && RecordID() == 0) {
    showError(QStringLiteral("The record has no record number and cannot be saved."));
    return false;
  }
  QString masterField, detailField;
  if (!DetailGrid::SplitRelation(relation_, &masterField, &detailField) || masterField.isEmpty() ||
      detailField.isEmpty()) {
    showError(QStringLiteral("The module's relation \"%1\" links no fields.").arg(relation_));
    return false;
  }
  if (!CheckData()) return false;

  MasterDetailSave save;
  QString error;
  if (!save.LoadTemplates(rsName_, rsName2_, editMode_, &error)) {
    if (!error.isEmpty()) showError(error);
    return false;
  }
  // Bill numbers, master and detail rows are written together or not at all.
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
  if (editMode_ != 0)
    values->insert(values->begin(), {QStringLiteral("ID"), QString::number(RecordID())});

  QString relationValue;
  if (const FieldDef* field = form_->FindField(masterField)) {
    relationValue = form_->Value(*field);
    if (field->kind == ControlKind::DateTime)
      for (const auto& [name, value] : *values)
        if (name == field->Field()) {
          relationValue = value;
          break;
        }
  }
  MasterDetailSave::Link link{masterField, detailField, relationValue,
                              editMode_ != 0 ? loadedRelationValue_ : QString()};
  const bool written = save.Write(*values, editMode_, link, *form_, &error) &&
      transaction.Commit();
  if (!written) {
    form_->RestoreBillTexts();
    showError(error.isEmpty() ? DbConnection->LastError() : error);
    return false;
  }
  if (ModuleWindow* opener = Form()) opener->RefreshData(QString());
  return true;
}

bool frmMultiEdit::ClearData() {
  form_->ClearData(rsName_);
  RefreshData(QStringLiteral("1=0"));
  return true;
}

void frmMultiEdit::cmdSave_Click() {
  try {
    if (SaveData()) accept();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void frmMultiEdit::cmdAdd_Click() {
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

void frmMultiEdit::cmdCancel_Click() { reject(); }

void frmMultiEdit::OpenRowEditor(int mode, int row) {
  QPointer<QWidget> window = WindowRegistry::Create(QStringLiteral("frmListEdit"), this);
  auto* editor = dynamic_cast<DetailRowEditor*>(window.data());
  auto* dialog = qobject_cast<QDialog*>(window.data());
  if (!editor || !dialog) {
    delete window;
    return;
  }
  try {
    editor->SetForm(this);
    editor->SetEditMode(mode);
    editor->SetRsName(rsName2_);
    if (mode == 1) editor->SetID(row);
    if (editor->Load()) {
      dialog->setWindowIcon(windowIcon());
      dialog->setWindowTitle(
          ReplaceParams(GetLangString(mode == 1 ? kModifyCaption : kAddCaption), {windowTitle()}));
      ModalShow::Exec(dialog);
    }
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
  delete window;
}

void frmMultiEdit::cmdListAdd_Click() { OpenRowEditor(0, 0); }

void frmMultiEdit::cmdListModify_Click() {
  const int row = vsData_->SelectedRow(0);
  if (row > 0) OpenRowEditor(1, row);
}

void frmMultiEdit::cmdListDelete_Click() {
  if (vsData_->SelectedRows() == 0) return;
  if (MsgBox(GetLangString(kConfirmDelete), MsgIcon::Question, MsgButtons::OkCancel, windowTitle(),
             this) != MsgResult::Ok)
    return;
  std::vector<int> rows;
  for (int i = 0; i < vsData_->SelectedRows(); ++i) rows.push_back(vsData_->SelectedRow(i));
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) vsData_->RemoveItem(row);
  GridCalculate();
}

void frmMultiEdit::tbrMain_ButtonClick(ToolbarButton* button) {
  if (!button) return;
  try {
    if (button->Key() == QLatin1String("Close"))
      reject();
    else
      ExecuteButtonFunction(this, moduleName_, button);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void frmMultiEdit::cmdSelect_Click(int index) {
  SelectOption(this, *form_, form_->cmdSelect.Tag(index));
}

}  // namespace rd
