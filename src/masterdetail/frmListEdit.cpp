#include "masterdetail/frmListEdit.h"

#include <QPushButton>
#include <exception>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "edit/engine/modExpressions.h"
#include "edit/windows/RecordForm.h"
#include "edit/windows/modForm.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/db/Connection.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kSave = 1056;
constexpr int kSaveAndAdd = 1057;
constexpr int kCancel = 1039;
constexpr int kClientWidth = 8250;
constexpr int kFieldsTop = 240;
constexpr int kButtonGap = 240;
constexpr int kButtonWidth = 1335;
constexpr int kButtonHeight = 375;
constexpr int kComboHeight = 315;
// The window's height is the buttons' top plus this; part of it is frame
// and title bar, not client area.
constexpr int kHeightBelowButtons = 885;
constexpr int kFrameHeight = 400;

QPushButton* makeButton(QWidget* parent, const char* name, int left) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setGeometry(Twips::ToPx(left, 0, kButtonWidth, kButtonHeight));
  return button;
}

FormLayout rowLayout() {
  FormLayout layout;
  layout.columns = 2;
  layout.columnWidth = 4320;
  layout.left = 120;
  layout.rowHeight = 500;
  layout.areaExtra = 700;
  return layout;
}
}  // namespace

frmListEdit::frmListEdit(QWidget* parent)
    : QDialog(parent),
      fields_(new RecordForm(this)),
      cmdSave_(makeButton(this, "cmdSave", 3960)),
      cmdAdd_(makeButton(this, "cmdAdd", 5400)),
      cmdCancel_(makeButton(this, "cmdCancel", 6840)) {
  setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint & ~Qt::WindowContextHelpButtonHint);
  cmdAdd_->setDefault(true);
  for (QComboBox* combo : {fields_->Combo1.Item(0), fields_->Combo2.Item(0)})
    if (combo) combo->resize(Twips::ToPx(2175), Twips::ToPx(kComboHeight));

  connect(cmdSave_, &QPushButton::clicked, this, &frmListEdit::cmdSave_Click);
  connect(cmdAdd_, &QPushButton::clicked, this, &frmListEdit::cmdAdd_Click);
  connect(cmdCancel_, &QPushButton::clicked, this, &frmListEdit::cmdCancel_Click);
  connect(fields_, &RecordForm::SelectClicked, this, &frmListEdit::cmdSelect_Click);
  // Leaving a text, text area or date field and choosing a list item
  // recalculate; a check box and leaving an editable combo do not.
  connect(fields_, &RecordForm::FieldEvent, this,
          [this](int label, ControlKind kind, bool lostFocus) {
            if (kind == ControlKind::Check) return;
            const bool list = kind == ControlKind::Combo || kind == ControlKind::ComboList;
            if (list && lostFocus) return;
            try {
              CalculateField(*fields_, fields_->Label1.Tag(label));
              SetDisplayFormat(*fields_);
            } catch (const std::exception& e) {
              showError(QString::fromUtf8(e.what()));
            }
          });
  // Enter makes a new line in a text area, elsewhere it is "Save && Add".
  connect(fields_, &RecordForm::TextAreaFocus, this,
          [this](bool entered) { cmdAdd_->setDefault(!entered); });
}

frmListEdit::~frmListEdit() = default;

bool frmListEdit::Load() {
  if (!BuildForm()) return false;
  fields_->RecalculateAll();
  SetDisplayFormat(*fields_);
  return true;
}

bool frmListEdit::BuildForm() {
  if (!fields_->Build(rsName_, rowLayout(), kFieldsTop)) return false;
  cmdSave_->setText(GetLangString(kSave));
  cmdAdd_->setText(GetLangString(kSaveAndAdd));
  cmdCancel_->setText(GetLangString(kCancel));
  const int top = fields_->LastTop() + fields_->LastHeight() + kButtonGap;
  for (QPushButton* button : {cmdSave_, cmdAdd_, cmdCancel_})
    button->move(button->x(), Twips::ToPx(top));
  resize(Twips::ToPx(kClientWidth), Twips::ToPx(top + kHeightBelowButtons - kFrameHeight));

  if (editMode_ != 0) {
    if (!TargetRowValid()) {
      showError(QStringLiteral("The row to modify is no longer in the list."));
      return false;
    }
    fields_->LoadData(*form_->vsData(), id_);
  } else {
    SetDefaultValue(*fields_);
  }
  return true;
}

bool frmListEdit::TargetRowValid() const {
  const FlexGrid* grid = form_ ? form_->vsData() : nullptr;
  return grid && id_ >= 1 && id_ < grid->Rows();
}

qlonglong frmListEdit::RowRecordID() const {
  if (editMode_ == 0 || !TargetRowValid()) return 0;
  bool ok = false;
  const qlonglong id = form_->vsData()->TextMatrix(id_, 1).trimmed().toLongLong(&ok);
  return ok ? id : 0;
}

void frmListEdit::showError(const QString& text) {
  MsgBox(text, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

bool frmListEdit::CheckData() {
  if (!form_) return false;
  // The opener's query parts hold the relation filter of the master, so
  // only the stored rows of that master are compared; a row that has no
  // record number yet (0) is compared with all of them.
  RecordForm::KeyScope scope;
  scope.editMode = editMode_;
  scope.recordId = RowRecordID();
  scope.selectSQL = form_->SelectSQL();
  scope.whereArea = form_->WhereArea();
  return fields_->CheckData(scope);
}

bool frmListEdit::SaveData() {
  if (!form_ || !form_->vsData() || !DbConnection) return false;
  if (editMode_ != 0 && !TargetRowValid()) {
    showError(QStringLiteral("The row to modify is no longer in the list."));
    return false;
  }
  if (!CheckData()) return false;

  // Every value, bill numbers included, is ready before the grid changes.
  std::optional<SqlTemplate::Values> values;
  {
    Transaction transaction(*DbConnection);
    if (!transaction.Started()) {
      showError(DbConnection->LastError());
      return false;
    }
    values = fields_->SaveValues(editMode_, rsName_);
    if (values && !transaction.Commit()) {
      showError(DbConnection->LastError());
      values.reset();
    }
  }
  if (!values) {
    fields_->RestoreBillTexts();
    return false;
  }

  // The values come in label order, one per field that has a savable
  // control; each goes into the column of its label.
  std::vector<std::pair<int, QString>> cells;
  auto next = values->cbegin();
  for (const FieldDef& field : fields_->Fields()) {
    if (next == values->cend()) break;
    if (next->first != field.Field()) continue;
    cells.emplace_back(field.label, next->second);
    ++next;
  }

  FlexGrid* grid = form_->vsData();
  int row = id_;
  if (editMode_ == 0) {
    if (!grid->AddItem(QString())) {
      showError(QStringLiteral("The row could not be added to the list."));
      return false;
    }
    row = grid->Rows() - 1;
  }
  for (const auto& [column, text] : cells) grid->SetTextMatrix(row, column, text);
  form_->GridCalculate();
  return true;
}

bool frmListEdit::ClearData() {
  fields_->ClearData(rsName_);
  // A bill-number field starts empty; its number is taken when the row is saved.
  for (const FieldDef& field : fields_->Fields())
    if (field.kind == ControlKind::Text && field.Part(FieldDef::kIsBillID) == QLatin1String("True"))
      fields_->SetValue(field, QString());
  return true;
}

void frmListEdit::cmdSave_Click() {
  try {
    if (SaveData()) accept();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void frmListEdit::cmdAdd_Click() {
  try {
    if (!SaveData()) return;
    ClearData();
    SetDefaultValue(*fields_);
    fields_->RecalculateAll();
    SetDisplayFormat(*fields_);
    editMode_ = 0;
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void frmListEdit::cmdCancel_Click() { reject(); }

void frmListEdit::cmdSelect_Click(int index) {
  try {
    SelectOption(this, *fields_, fields_->cmdSelect.Tag(index));
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

}  // namespace rd
