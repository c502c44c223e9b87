#pragma once
#include <QDialog>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace rd {

class FlexGrid;

// Edits the settings of one field of a record source: row SelectRow of
// the grid vsData of its opener Form, columns Field to SpecField. Nothing
// reaches the database until the opener saves.
class frmRsEdit : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QObject* Form READ Form WRITE SetForm)
  Q_PROPERTY(int SelectRow READ SelectRow WRITE SetSelectRow)
 public:
  explicit frmRsEdit(QWidget* parent = nullptr);

  QObject* Form() const { return form_; }
  void SetForm(QObject* form) { form_ = form; }
  int SelectRow() const { return selectRow_; }
  void SetSelectRow(int row) { selectRow_ = row; }

  // Fills the lists from the lookup tables, the record source names and the presets.
  Q_INVOKABLE bool InitControl();
  // Shows the row; false, with a message shown, when the opener has no grid row.
  Q_INVOKABLE bool GetData();

  QLineEdit* txtField() const { return txtField_; }
  QComboBox* cboControlType() const { return cboControlType_; }
  QLineEdit* txtLanguage() const { return txtLanguage_; }
  QCheckBox* chkKey() const { return chkKey_; }
  QCheckBox* chkShow() const { return chkShow_; }
  QCheckBox* chkReadOnly() const { return chkReadOnly_; }
  QCheckBox* chkInput() const { return chkInput_; }
  QComboBox* cboInputRange() const { return cboInputRange_; }
  QLineEdit* txtInputExp() const { return txtInputExp_; }
  QLineEdit* txtMaxLength() const { return txtMaxLength_; }
  QComboBox* txtDefaultValue() const { return txtDefaultValue_; }
  QComboBox* txtDisplayFormat() const { return txtDisplayFormat_; }
  QComboBox* txtSaveFormat() const { return txtSaveFormat_; }
  QComboBox* txtOptionRs() const { return txtOptionRs_; }
  QLineEdit* txtReturnField() const { return txtReturnField_; }
  QLineEdit* txtTotalSQL() const { return txtTotalSQL_; }
  QLineEdit* txtTotalFormat() const { return txtTotalFormat_; }
  QLineEdit* txtTotalLanguage() const { return txtTotalLanguage_; }
  QLineEdit* txtCalculate() const { return txtCalculate_; }
  QCheckBox* chkBillID() const { return chkBillID_; }
  QLineEdit* txtBillID() const { return txtBillID_; }
  QComboBox* cboSpecField() const { return cboSpecField_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void cmdSave_Click();

 private:
  template <class Box>
  struct Bound {
    int column;
    Box* box;
  };

  // The opener's grid, found by member name; null when it has none.
  FlexGrid* Grid() const;
  bool SaveData();
  void UnlockInputExp();
  void UnlockBillID();
  void Warn(const QString& text);

  QLineEdit* txtField_;
  QComboBox* cboControlType_;
  QLineEdit* txtLanguage_;
  QCheckBox* chkKey_;
  QCheckBox* chkShow_;
  QCheckBox* chkReadOnly_;
  QCheckBox* chkInput_;
  QComboBox* cboInputRange_;
  QLineEdit* txtInputExp_;
  QLineEdit* txtMaxLength_;
  QComboBox* txtDefaultValue_;
  QComboBox* txtDisplayFormat_;
  QComboBox* txtSaveFormat_;
  QComboBox* txtOptionRs_;
  QLineEdit* txtReturnField_;
  QLineEdit* txtTotalSQL_;
  QLineEdit* txtTotalFormat_;
  QLineEdit* txtTotalLanguage_;
  QLineEdit* txtCalculate_;
  QCheckBox* chkBillID_;
  QLineEdit* txtBillID_;
  QComboBox* cboSpecField_;
  QPushButton* cmdSave_;
  QPushButton* cmdCancel_;
  // Each control with the grid column it shows and writes.
  std::vector<Bound<QLineEdit>> texts_;
  std::vector<Bound<QComboBox>> lists_;  // editable lists: any text
  std::vector<Bound<QComboBox>> picks_;  // pick-only lists
  std::vector<Bound<QCheckBox>> flags_;
  QObject* form_ = nullptr;
  int selectRow_ = 0;
};

}  // namespace rd
