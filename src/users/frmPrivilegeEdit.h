#pragma once
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

class frmPrivilegeList;

// Adds an extra privilege item to a module or changes the description and
// mode of one; the item list is refreshed after the save.
class frmPrivilegeEdit : public QDialog {
  Q_OBJECT
 public:
  explicit frmPrivilegeEdit(QWidget* parent = nullptr);

  int EditMode() const { return editMode_; }  // 0 add, any other value modify
  void SetEditMode(int mode) { editMode_ = mode; }
  QString MenuID() const { return menuId_; }
  void SetMenuID(const QString& id) { menuId_ = id; }
  QString NodeTag() const { return nodeTag_; }
  void SetNodeTag(const QString& tag) { nodeTag_ = tag; }
  int Row() const { return row_; }
  void SetRow(int row) { row_ = row; }
  // The item list whose grid row is edited and which is refreshed.
  void SetForm(frmPrivilegeList* form) { form_ = form; }

  // The modes of the module: Browse, View (master-detail modules only),
  // Add and Modify; Browse selected.
  bool InitControl();
  // Takes name, description and mode from row Row of the item list; the
  // name cannot be changed then.
  bool GetData();

  QLineEdit* txtName() const { return txtName_; }
  QLineEdit* txtDesc() const { return txtDesc_; }
  QComboBox* cboMode() const { return cboMode_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private slots:
  void cmdSave_Click();

 private:
  // False, with the database's error shown, when nothing was written.
  bool SaveItem();

  QLabel* Label1_;
  QLabel* Label2_;
  QLabel* Label3_;
  QLineEdit* txtName_;
  QLineEdit* txtDesc_;
  QComboBox* cboMode_;
  QPushButton* cmdSave_;
  QPushButton* cmdCancel_;
  int editMode_ = 0;
  QString menuId_;
  QString nodeTag_;
  int row_ = 0;
  frmPrivilegeList* form_ = nullptr;
};

}  // namespace rd
