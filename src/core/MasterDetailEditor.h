#pragma once
#include <QString>

namespace rd {

class ModuleWindow;

// What a master browse window sets on its master-detail editor ("frmMultiEdit"
// in the window registry, shown modally) and on its read-only viewer
// ("frmMultiView", shown modeless) before it shows them: every member first,
// in the order declared here, then Load(), then caption and icon, then the
// show. An open viewer gets its members and Load() again for the next record.
class MasterDetailEditor {
 public:
  virtual ~MasterDetailEditor() = default;

  // The opening window, whose vsData row ID fills the master fields and
  // whose RefreshData the editor calls after a save.
  virtual void SetForm(ModuleWindow* form) = 0;
  // 0 add, 1 modify (the viewer always gets 1).
  virtual void SetEditMode(int mode) = 0;
  virtual void SetModuleName(const QString& moduleName) = 0;
  // The master record source.
  virtual void SetRsName(const QString& rsName) = 0;
  // The detail record source.
  virtual void SetRsName2(const QString& rsName2) = 0;
  // Master field, "=", detail field.
  virtual void SetRelation(const QString& relation) = 0;
  // The grid row of the opener's vsData (modify and view only).
  virtual void SetID(int row) = 0;
  // Builds the window from the members, again on each call; false when it
  // cannot be shown.
  virtual bool Load() = 0;
};

}  // namespace rd
