#pragma once
#include "browse/BrowseWindow.h"

namespace rd {

class frmFieldEdit;

// The column rows of one designed table in a grid, with a fixed toolbar to
// add, modify, delete, filter, print and refresh them. A new table has no
// name until its first column is saved.
class frmField : public BrowseWindow {
  Q_OBJECT
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(QString TableName READ TableName WRITE SetTableName)
 public:
  explicit frmField(QWidget* parent = nullptr);

  int EditMode() const { return editMode_; }  // 0 a new table, 1 an existing one
  void SetEditMode(int mode) { editMode_ = mode; }
  QString TableName() const { return tableName_; }
  void SetTableName(const QString& name) { tableName_ = name; }

  bool InitControl() override;
  // Lists the table's rows, narrowed by a non-blank filter; false, with
  // the database's error shown and the list kept, when the query fails.
  bool RefreshData(const QString& filter = QString()) override;
  bool ModifyData() override;
  // The field index a new row is proposed: the table's highest plus 1, 0
  // for a table without a name or without rows.
  int GetNextFieldIndex() const;
  // The filter that lists this window's table: TableName='name'.
  QString TableFilter() const;

 public slots:
  void vsData_DblClick() override;

 protected:
  // Shows the editor modally; replaced by tests.
  virtual void RunEditor(frmFieldEdit& editor);

 private:
  bool AddData() override;
  bool HandleOwnButton(const QString& key) override;
  QString TotalQuery(const QString&) const override { return QString(); }
  bool LoadDeleteTemplates() override { return true; }
  bool DeleteRecord(const QStringList& cells, qlonglong id, QString* error) override;

  int editMode_ = 0;
  QString tableName_;
};

}  // namespace rd
