#pragma once
#include <QString>

namespace rd {

class frmMultiEdit;

// What the master-detail editor sets on its detail-row editor
// ("frmListEdit" in the window registry, shown modally) before it shows
// it: every member first, then Load(), then icon and caption, then the
// modal show. The row editor writes into the editor's vsData and calls its
// GridCalculate itself.
class DetailRowEditor {
 public:
  virtual ~DetailRowEditor() = default;

  virtual void SetForm(frmMultiEdit* form) = 0;
  // 0 add a row, 1 modify row ID.
  virtual void SetEditMode(int mode) = 0;
  // The detail record source (the editor's RsName2).
  virtual void SetRsName(const QString& rsName) = 0;
  // The row of the editor's vsData (modify only).
  virtual void SetID(int row) = 0;
  // Builds the window from the members; false when it cannot be shown.
  virtual bool Load() = 0;
};

}  // namespace rd
