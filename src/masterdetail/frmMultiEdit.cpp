#include "masterdetail/frmMultiEdit.h"

#include <QGroupBox>
#include <QPushButton>
#include <algorithm>
#include <exception>

#include "core/Globals.h"
#include "core/ModuleRelation.h"
#include "core/ModuleWindow.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "expressions/modExpressions.h"
#include "edit/ModalShow.h"
#include "edit/RecordForm.h"
#include "core/SqlTemplate.h"
#include "masterdetail/DetailGrid.h"
#include "masterdetail/MasterDetailSave.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kAddCaption = 1021;
constexpr int kModifyCaption = 1022;
constexpr int kConfirmDelete = 1023;
constexpr int kListAdd = 1014;
constexpr int kListModify = 1015;
constexpr int kListDelete = 1016;
constexpr int kFrameCaption = 1115;
}  // namespace

frmMultiEdit::frmMultiEdit(QWidget* parent)
    : MasterDetailWindow(parent),
      cmdListAdd_(MakeButton(frame1_, "cmdListAdd", 6720, 240)),
      cmdListModify_(MakeButton(frame1_, "cmdListModify", 8160, 240)),
      cmdListDelete_(MakeButton(frame1_, "cmdListDelete", 9600, 240)) {
  fields_->Label1[0]->resize(Twips::ToPx(1095), Twips::ToPx(495));
  vsData_->setGeometry(Twips::ToPx(120, 720, 10815, 2400));
  AddEditButtons(6840);

  connect(cmdListAdd_, &QPushButton::clicked, this, &frmMultiEdit::cmdListAdd_Click);
  connect(cmdListModify_, &QPushButton::clicked, this, &frmMultiEdit::cmdListModify_Click);
  connect(cmdListDelete_, &QPushButton::clicked, this, &frmMultiEdit::cmdListDelete_Click);
  connect(vsData_, &FlexGrid::DblClick, this, [this](int row) {
    if (row > 0) cmdListModify_Click();
  });
}

frmMultiEdit::~frmMultiEdit() = default;

bool frmMultiEdit::BuildForm() {
  frame1_->setTitle(GetLangString(kFrameCaption));
  const std::optional<int> frameTop =
      BuildMasterArea(editMode_ != 0 ? QStringLiteral("Modify") : QStringLiteral("Add"), false);
  if (!frameTop) return false;

  cmdListAdd_->setText(GetLangString(kListAdd));
  cmdListModify_->setText(GetLangString(kListModify));
  cmdListDelete_->setText(GetLangString(kListDelete));
  const int buttonTop = *frameTop + kFrameHeight + 200;
  SetEditButtonTexts();
  MoveEditButtons(buttonTop);
  setFixedSize(Twips::ToPx(kClientWidth), Twips::ToPx(buttonTop + 880 - kBorderHeight));

  loadedRelationValue_.clear();
  QString filter = QStringLiteral("1=0");
  if (editMode_ == 1) {
    ModuleWindow* opener = Form();
    if (opener && opener->vsData()) fields_->LoadData(*opener->vsData(), id_);
    loadedRelationValue_ = MasterRelationValue();
    filter = DetailGrid::RelationFilter(relation_, loadedRelationValue_);
  } else {
    SetDefaultValue(*fields_);
  }
  // Without the detail query's columns, lines could not be saved: stored
  // ones would be lost, new ones written with their placeholders.
  return RefreshData(filter);
}

void frmMultiEdit::GridCalculate() {
  ExecCalculate(*fields_, vsData_->Tag());
  fields_->RecalculateAll();
  SetDisplayFormat(*fields_);
}

bool frmMultiEdit::linksMasterField(QString* masterField, QString* detailField) const {
  const std::optional<ModuleRelation> link = ModuleRelation::Parse(relation_);
  if (!link) return false;
  *masterField = link->masterField;
  *detailField = link->detailField;
  // A new master linked by its ID takes the ID the database gives it.
  if (editMode_ == 0 && masterField->compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0)
    return true;
  return fields_->FindField(*masterField) != nullptr;
}

bool frmMultiEdit::SaveData() {
  if (!ReadyToSave()) return false;
  QString masterField, detailField;
  if (!linksMasterField(&masterField, &detailField)) {
    showError(ReplaceParams(GetLangString(1215), {relation_}));
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
  return SaveRecord([&](const SqlTemplate::Values& values, QString* writeError) {
    QString relationValue;
    if (const FieldDef* field = fields_->FindField(masterField)) {
      relationValue = fields_->Value(*field);
      if (field->kind == ControlKind::DateTime)
        for (const auto& [name, value] : values)
          if (name == field->Field()) {
            relationValue = value;
            break;
          }
    }
    MasterDetailSave::Link link{masterField, detailField, relationValue,
                                editMode_ != 0 ? loadedRelationValue_ : QString()};
    return save.Write(values, editMode_, link, *fields_, writeError);
  });
}

bool frmMultiEdit::ClearData() {
  fields_->ClearData(rsName_);
  RefreshData(QStringLiteral("1=0"));
  return true;
}

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
    dialog->setWindowIcon(windowIcon());
    dialog->setWindowTitle(
        ReplaceParams(GetLangString(mode == 1 ? kModifyCaption : kAddCaption), {windowTitle()}));
    if (editor->Load()) ModalShow::Exec(dialog);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
  delete window;
}

void frmMultiEdit::cmdListAdd_Click() { OpenRowEditor(0, 0); }

void frmMultiEdit::cmdListModify_Click() {
  const int row = vsData_->ActionRow();
  if (row > 0) OpenRowEditor(1, row);
}

void frmMultiEdit::cmdListDelete_Click() {
  if (vsData_->SelectedRows() == 0) return;
  try {
    if (MsgBox(GetLangString(kConfirmDelete), MsgIcon::Question, MsgButtons::OkCancel,
               windowTitle(), this) != MsgResult::Ok)
      return;
    std::vector<int> rows;
    for (int i = 0; i < vsData_->SelectedRows(); ++i) rows.push_back(vsData_->SelectedRow(i));
    std::sort(rows.rbegin(), rows.rend());
    for (int row : rows) vsData_->RemoveItem(row);
    GridCalculate();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

}  // namespace rd
