#pragma once
#include "masterdetail/DetailRowEditor.h"
#include "masterdetail/MasterDetailWindow.h"

namespace rd {

// The modal editor of one master record of a master-detail module with its
// detail rows: the generated master fields, the detail grid vsData (the
// working copy of the detail rows, written back whole on save) and the list
// buttons that open the detail-row editor ("frmListEdit", a DetailRowEditor).
class frmMultiEdit : public MasterDetailWindow {
  Q_OBJECT
 public:
  explicit frmMultiEdit(QWidget* parent = nullptr);
  ~frmMultiEdit() override;

  // Carries the grid's values into the master fields (the detail source's
  // grid calculation), then recalculates and formats the master fields.
  Q_INVOKABLE void GridCalculate();

  // Saving and clearing of the master record with its rows.
  bool SaveData() override;
  bool ClearData() override;

  QPushButton* cmdListAdd() const { return cmdListAdd_; }
  QPushButton* cmdListModify() const { return cmdListModify_; }
  QPushButton* cmdListDelete() const { return cmdListDelete_; }

 public slots:
  void cmdListAdd_Click();
  void cmdListModify_Click();
  void cmdListDelete_Click();

 protected:
  bool BuildForm() override;

 private:
  void OpenRowEditor(int mode, int row);
  // Splits the relation; false when it does not name a master field of
  // this window and a detail field.
  bool linksMasterField(QString* masterField, QString* detailField) const;

  QPushButton* cmdListAdd_;
  QPushButton* cmdListModify_;
  QPushButton* cmdListDelete_;
  QString loadedRelationValue_;  // the master's relation value as loaded (modify)
};

}  // namespace rd
