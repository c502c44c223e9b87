#include "edit/frmEdit.h"

#include <QPushButton>

#include "browse/RecordSource.h"
#include "core/ModuleWindow.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/modExpressions.h"
#include "edit/RecordForm.h"
#include "core/SqlTemplate.h"
#include "platform/db/Recordset.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/FlexGrid.h"

namespace rd {

namespace {
constexpr int kClientWidth = 8250;
// Twips of the window's height beyond the buttons' top that are frame and
// title bar, not client area.
constexpr int kFrameHeight = 400;
constexpr int kRecordGone = 1216;
}  // namespace

frmEdit::frmEdit(QWidget* parent) : ModuleEditorWindow(parent) { AddEditButtons(3960); }

frmEdit::~frmEdit() = default;

bool frmEdit::BuildForm() {
  const int toolbarHeight =
      PlaceToolbar(editMode_ != 0 ? QStringLiteral("Modify") : QStringLiteral("Add"), kClientWidth);
  if (!fields_->Build(rsName_, FormLayout{}, toolbarHeight)) return false;

  const int top = fields_->LastTop() + fields_->LastHeight() + 90;
  MoveEditButtons(top);
  if (!allowAdd_) cmdSave_->move(cmdAdd_->pos());
  cmdAdd_->setVisible(allowAdd_);
  cmdAdd_->setDefault(allowAdd_);
  cmdSave_->setDefault(!allowAdd_);
  resize(Twips::ToPx(kClientWidth), Twips::ToPx(top + 880 - kFrameHeight));

  ModuleWindow* opener = Form();
  if (editMode_ == 1 && opener && opener->vsData())
    fields_->LoadData(*opener->vsData(), id_);
  else if (editMode_ != 1)
    SetDefaultValue(*fields_);
  SetEditButtonTexts();
  return true;
}

// A list recalculates when an item is chosen, every other field when it is left.
bool frmEdit::RecalculatesOn(ControlKind kind, bool lostFocus) const {
  const bool list = kind == ControlKind::Combo || kind == ControlKind::ComboList;
  return lostFocus != list;
}

QPushButton* frmEdit::EnterButton() const { return allowAdd_ ? cmdAdd_ : cmdSave_; }

bool frmEdit::SaveData() {
  if (!ReadyToSave() || !CheckData()) return false;
  Recordset rs;
  if (!RecordSource::OpenFieldRows(rsName_, rs, false))
    return false;
  const QString statement = SqlTemplate::Statement(
      NullToStr(rs.Value(editMode_ != 0 ? QStringLiteral("UpdateSQL") : QStringLiteral("InsertSQL"))));
  // The bill numbers and the record are written together or not at all.
  const bool modifying = editMode_ != 0;
  return SaveRecord([&statement, modifying](const SqlTemplate::Values& values, QString* error) {
    int changed = -1;
    if (!ExecuteSQL(SqlTemplate::Fill(statement, values), error, &changed)) return false;
    if (modifying && changed == 0) {
      *error = GetLangString(kRecordGone);
      return false;
    }
    return true;
  });
}

bool frmEdit::ClearData() { return fields_->ClearData(rsName_); }

}  // namespace rd
