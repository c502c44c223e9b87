#pragma once
#include <QPointer>

#include "edit/EditorWindow.h"
#include "masterdetail/DetailRowEditor.h"

namespace rd {

class frmMultiEdit;

// The modal editor of one detail row of a master-detail editor, generated
// from the detail record source's field definitions, two fields to a row.
// It writes the checked row into the opener's grid vsData (a new row for
// an add) and lets the opener recalculate; the database sees the row only
// when the master record is saved.
class frmListEdit : public EditorWindow, public DetailRowEditor {
  Q_OBJECT
 public:
  explicit frmListEdit(QWidget* parent = nullptr);
  ~frmListEdit() override;

  void SetEditMode(int mode) override { EditorWindow::SetEditMode(mode); }
  void SetRsName(const QString& v) override { EditorWindow::SetRsName(v); }
  void SetID(int row) override { EditorWindow::SetID(row); }
  frmMultiEdit* Form() const { return form_; }
  void SetForm(frmMultiEdit* form) override { form_ = form; }

  // Builds the fields from the members, fills them (from grid row ID in
  // modify mode, with the default values otherwise), calculates and
  // formats them; false after one message when it cannot be shown.
  bool Load() override { return EditorWindow::Load(); }

  // Checks the fields, then writes them into the opener's grid and lets
  // the opener recalculate; the grid is untouched when it gives false.
  bool SaveData() override;
  // Empties the fields for the next row.
  bool ClearData() override;

 protected:
  bool BuildForm() override;
  // Keys are compared with the other rows of the master editor's list.
  std::optional<RecordForm::KeyScope> CheckScope() const override;
  bool RecalculatesOn(ControlKind kind, bool lostFocus) const override;

 private:
  bool TargetRowValid() const;

  QPointer<frmMultiEdit> form_;
};

}  // namespace rd
