#include "masterdetail/frmListEdit.h"

#include <QComboBox>

#include "core/modCommon.h"
#include "core/Globals.h"
#include "expressions/modExpressions.h"
#include "edit/RecordForm.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/db/Connection.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kClientWidth = 8250;
constexpr int kFieldsTop = 240;
constexpr int kButtonGap = 240;
constexpr int kComboHeight = 315;
// The window's height is the buttons' top plus this; part of it is frame
// and title bar, not client area.
constexpr int kHeightBelowButtons = 885;
constexpr int kFrameHeight = 400;

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

frmListEdit::frmListEdit(QWidget* parent) : EditorWindow(parent) {
  AddEditButtons(3960);
  for (QComboBox* combo : {fields_->Combo1.Item(0), fields_->Combo2.Item(0)})
    if (combo) combo->resize(Twips::ToPx(2175), Twips::ToPx(kComboHeight));
}

frmListEdit::~frmListEdit() = default;

bool frmListEdit::BuildForm() {
  if (!fields_->Build(rsName_, rowLayout(), kFieldsTop)) return false;
  SetEditButtonTexts();
  const int top = fields_->LastTop() + fields_->LastHeight() + kButtonGap;
  MoveEditButtons(top);
  resize(Twips::ToPx(kClientWidth), Twips::ToPx(top + kHeightBelowButtons - kFrameHeight));

  if (editMode_ != 0) {
    if (!TargetRowValid()) {
      showError(GetLangString(1213));
      return false;
    }
    fields_->LoadData(*form_->vsData(), id_);
  } else {
    SetDefaultValue(*fields_);
  }
  return true;
}

// Leaving a text, text area or date field and choosing a list item
// recalculate; a check box and leaving an editable combo do not.
bool frmListEdit::RecalculatesOn(ControlKind kind, bool lostFocus) const {
  if (kind == ControlKind::Check) return false;
  const bool list = kind == ControlKind::Combo || kind == ControlKind::ComboList;
  return !(list && lostFocus);
}

bool frmListEdit::TargetRowValid() const {
  const FlexGrid* grid = form_ ? form_->vsData() : nullptr;
  return grid && id_ >= 1 && id_ < grid->Rows();
}

std::optional<RecordForm::KeyScope> frmListEdit::CheckScope() const {
  if (!form_ || !form_->vsData()) return std::nullopt;
  // A key is compared with the other rows of the list, which is what the
  // save writes, not with the stored rows.
  RecordForm::KeyScope scope;
  scope.editMode = editMode_;
  scope.grid = form_->vsData();
  scope.gridRow = editMode_ != 0 ? id_ : -1;
  return scope;
}

bool frmListEdit::SaveData() {
  if (!form_ || !form_->vsData() || !DbConnection) return false;
  if (editMode_ != 0 && !TargetRowValid()) {
    showError(GetLangString(1213));
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
      showError(GetLangString(1214));
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

}  // namespace rd
