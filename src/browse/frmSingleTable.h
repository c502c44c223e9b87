#pragma once
#include "browse/BrowseWindow.h"

namespace rd {

// The browse window of a module of one record source: its records in a
// grid, a toolbar by the user's privileges, and the record count and the
// column totals, both following the filter, in the status bar.
class frmSingleTable : public BrowseWindow {
  Q_OBJECT
 public:
  explicit frmSingleTable(QWidget* parent = nullptr);

  bool ModifyData() override;

 public slots:
  void vsData_DblClick() override;

 private:
  bool AddData() override;
  bool HandleOwnButton(const QString&) override { return false; }
  QString TotalQuery(const QString& totalSQL) const override;
  bool OpenEditor(int editMode, int row, int captionKey);
  bool CanAdd() const;
};

}  // namespace rd
