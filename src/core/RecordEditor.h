#pragma once
#include <QString>

namespace rd {

class ModuleWindow;

// What a module window sets on its single-record editor ("frmEdit" in the
// window registry) before it shows it: every member first, then Load(),
// then icon and caption, then the modal show.
class RecordEditor {
 public:
  virtual ~RecordEditor() = default;

  // The opening window, whose vsData row ID the editor shows and whose
  // RefreshData it calls after a save.
  virtual void SetForm(ModuleWindow* form) = 0;
  // 0 add, 1 modify.
  virtual void SetEditMode(int mode) = 0;
  virtual void SetAllowAdd(bool allow) = 0;
  virtual void SetModuleName(const QString& moduleName) = 0;
  virtual void SetRsName(const QString& rsName) = 0;
  // The grid row of the opener's vsData (modify only).
  virtual void SetID(int row) = 0;
  // Builds the editor from the members; false when it cannot be shown.
  virtual bool Load() = 0;
};

}  // namespace rd
