#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace rd {

class frmField;

// Adds or changes one column row of a designed table: its index, name,
// type, length, default and the key, auto-number and empty flags. A table
// without a name gets one at the first save.
class frmFieldEdit : public QDialog {
  Q_OBJECT
 public:
  explicit frmFieldEdit(QWidget* parent = nullptr);

  int EditMode() const { return editMode_; }  // 0 add, 1 modify
  void SetEditMode(int mode) { editMode_ = mode; }
  frmField* Form() const { return form_; }
  void SetForm(frmField* form) { form_ = form; }
  qlonglong ID() const { return id_; }
  void SetID(qlonglong id) { id_ = id; }
  QString MaxID() const { return maxID_; }
  void SetMaxID(const QString& index) { maxID_ = index; }

  // Fills the type and name lists; a new row gets MaxID as its index.
  void InitControl();
  // Loads row ID; false, with a message shown, when it is gone or unreadable.
  bool GetData();

  QLineEdit* txtIndex() const { return txtIndex_; }
  QComboBox* txtFieldName() const { return txtFieldName_; }
  QComboBox* cboType() const { return cboType_; }
  QLineEdit* txtLength() const { return txtLength_; }
  QLineEdit* txtDefault() const { return txtDefault_; }
  QCheckBox* chkKey() const { return chkKey_; }
  QCheckBox* chkAuto() const { return chkAuto_; }
  QCheckBox* chkAllowEmpty() const { return chkAllowEmpty_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdAdd() const { return cmdAdd_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private slots:
  void cmdSave_Click();
  void cmdAdd_Click();
  void txtFieldName_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The name of the opener's table, asked for when it has none yet; empty
  // when the user gave none.
  QString TableNameToUse();
  // Writes the row; false, with a message shown, when nothing was saved.
  bool SaveData();
  void ClearForNextRow();
  void SelectFirstType();
  void Warn(const QString& text);

  QLineEdit* txtIndex_;
  QComboBox* txtFieldName_;
  QComboBox* cboType_;
  QLineEdit* txtLength_;
  QLineEdit* txtDefault_;
  QCheckBox* chkKey_;
  QCheckBox* chkAuto_;
  QCheckBox* chkAllowEmpty_;
  QPushButton* cmdSave_;
  QPushButton* cmdAdd_;
  QPushButton* cmdCancel_;
  int editMode_ = 0;
  frmField* form_ = nullptr;
  qlonglong id_ = 0;
  QString maxID_;
  // The name was typed since the name list last opened.
  bool nameTyped_ = false;
};

}  // namespace rd
