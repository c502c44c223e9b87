#pragma once
#include "masterdetail/MasterDetailWindow.h"

namespace rd {

// The modeless, read-only view of one master record with its detail rows:
// the master fields locked as generated from the master record source,
// filled from the opener's grid row, and the detail rows that the module's
// relation links to it. Load() again shows the record the members name now.
class frmMultiView : public MasterDetailWindow {
  Q_OBJECT
 public:
  explicit frmMultiView(QWidget* parent = nullptr);
  ~frmMultiView() override;

  // A viewer neither saves nor clears.
  bool SaveData() override { return false; }
  bool ClearData() override { return false; }

 public slots:
  // Previews the shown record and its detail rows for printing.
  void cmdPrint_Click();

 protected:
  bool BuildForm() override;
  bool RunsButton(const QString& key) const override;
};

}  // namespace rd
