#pragma once
#include "core/RecordEditor.h"
#include "edit/ModuleEditorWindow.h"

namespace rd {

// The modal editor of one record of a single-source module, generated from
// the record source's field definitions.
class frmEdit : public ModuleEditorWindow, public RecordEditor {
  Q_OBJECT
  Q_PROPERTY(bool AllowAdd READ AllowAdd WRITE SetAllowAdd)
 public:
  explicit frmEdit(QWidget* parent = nullptr);
  ~frmEdit() override;

  void SetForm(ModuleWindow* form) override { SetOpener(form); }
  void SetEditMode(int mode) override { ModuleEditorWindow::SetEditMode(mode); }
  bool AllowAdd() const { return allowAdd_; }
  void SetAllowAdd(bool allow) override { allowAdd_ = allow; }
  void SetModuleName(const QString& v) override { ModuleEditorWindow::SetModuleName(v); }
  void SetRsName(const QString& v) override { ModuleEditorWindow::SetRsName(v); }
  void SetID(int row) override { ModuleEditorWindow::SetID(row); }
  bool Load() override { return ModuleEditorWindow::Load(); }

  bool SaveData() override;
  bool ClearData() override;

 protected:
  bool BuildForm() override;
  bool RecalculatesOn(ControlKind kind, bool lostFocus) const override;
  QPushButton* EnterButton() const override;

 private:
  bool allowAdd_ = false;
};

}  // namespace rd
