#pragma once
#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

class ModuleWindow;

// Adds a user or changes one: login name, password, whether the user may
// log in and whether the user is an administrator. The opener's list is
// reloaded after every save.
class frmUserEdit : public QDialog {
  Q_OBJECT
 public:
  explicit frmUserEdit(QWidget* parent = nullptr);

  int EditMode() const { return editMode_; }  // 0 add, 1 modify
  void SetEditMode(int mode) { editMode_ = mode; }
  qlonglong ID() const { return id_; }
  void SetID(qlonglong id) { id_ = id; }
  ModuleWindow* Form() const { return form_; }
  void SetForm(ModuleWindow* form) { form_ = form; }
  QString OldUserName() const { return oldUserName_; }
  void SetOldUserName(const QString& name) { oldUserName_ = name; }

  // Loads user ID into the fields; false, with a message shown, when the
  // user is gone or could not be read.
  bool GetData();

  QLineEdit* txtUserID() const { return txtUserID_; }
  QLineEdit* txtPassword() const { return txtPassword_; }
  QCheckBox* chkValid() const { return chkValid_; }
  QCheckBox* chkAdmin() const { return chkAdmin_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdAdd() const { return cmdAdd_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private slots:
  void cmdSave_Click();
  void cmdAdd_Click();

 private:
  void InitCaptions();
  bool ValidateData();
  // Writes the fields; false, with a message shown, when nothing was saved.
  bool SaveData();
  void ClearFields();
  void Warn(const QString& text);
  void ShowError(const QString& error);

  QLabel* lblUserID_;
  QLineEdit* txtUserID_;
  QLabel* lblPassword_;
  QLineEdit* txtPassword_;
  QCheckBox* chkValid_;
  QCheckBox* chkAdmin_;
  QPushButton* cmdSave_;
  QPushButton* cmdAdd_;
  QPushButton* cmdCancel_;
  int editMode_ = 0;
  qlonglong id_ = 0;
  ModuleWindow* form_ = nullptr;
  QString oldUserName_;
};

}  // namespace rd
