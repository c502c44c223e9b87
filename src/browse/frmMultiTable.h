#pragma once
#include "browse/BrowseWindow.h"

namespace rd {

class MasterDetailEditor;

// The browse window of a module of master records with details: the
// masters in a grid, the record count following the filter and the totals
// over whatever their queries select. Add and Modify open the master-detail
// editor, View the shared read-only viewer, and Delete removes each
// record's details together with the record.
class frmMultiTable : public BrowseWindow {
  Q_OBJECT
 public:
  explicit frmMultiTable(QWidget* parent = nullptr);
  ~frmMultiTable() override;

  // Refuses, after one message, a relation that is not two column names.
  bool InitControl() override;
  bool ModifyData() override;

 public slots:
  void vsData_DblClick() override;

 private:
  bool AddData() override;
  bool ViewData();
  bool HandleOwnButton(const QString& key) override;
  QString TotalQuery(const QString& totalSQL) const override;
  bool CheckDelete() override;
  bool LoadDeleteTemplates() override;
  bool DeleteRecord(const QStringList& cells, qlonglong id, QString* error) override;
  bool OpenEditor(int editMode, int row, int captionKey);
  void SetMembers(MasterDetailEditor& editor, int editMode, int row);

  QString detailField_, detailDeleteSQL_;
  int masterColumn_ = 0;
};

}  // namespace rd
