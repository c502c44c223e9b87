#pragma once
#include "browse/BrowseWindow.h"

namespace rd {

class frmUserEdit;

// The users in a grid, with a fixed toolbar to add, modify, delete, filter,
// print and refresh them; every button is always there.
class frmUser : public BrowseWindow {
  Q_OBJECT
 public:
  explicit frmUser(QWidget* parent = nullptr);

  // The fixed toolbar: captions, tips and pictures from the button keys.
  bool InitControl() override;
  // Lists tblUser, narrowed by a non-blank filter; false, with the
  // database's error shown and the list kept, when the query fails.
  bool RefreshData(const QString& filter = QString()) override;
  bool ModifyData() override;

 public slots:
  void vsData_DblClick() override {}

 protected:
  // Shows the editor modally; replaced by tests.
  virtual void RunEditor(frmUserEdit& editor);

 private:
  bool AddData() override;
  // Print: the list through the report of list windows.
  bool HandleOwnButton(const QString& key) override;
  QString TotalQuery(const QString&) const override { return QString(); }
  bool LoadDeleteTemplates() override { return true; }
  bool DeleteRecord(const QStringList& cells, qlonglong id, QString* error) override;
};

}  // namespace rd
