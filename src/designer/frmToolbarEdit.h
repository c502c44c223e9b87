#pragma once
#include <QDialog>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rd {

class FlexGrid;

// Adds or changes one button of a module's toolbar: a row of the module
// editor's grid handed over as Gird. It writes only into that grid.
class frmToolbarEdit : public QDialog {
  Q_OBJECT
 public:
  explicit frmToolbarEdit(QWidget* parent = nullptr);

  int EditMode() const { return editMode_; }  // 0 add, 1 change
  void SetEditMode(int mode) { editMode_ = mode; }
  int ID() const { return id_; }  // the grid row to change
  void SetID(int row) { id_ = row; }
  QString FormTemplateName() const { return formTemplateName_; }
  void SetFormTemplateName(const QString& name) { formTemplateName_ = name; }
  FlexGrid* Gird() const { return gird_; }
  void SetGird(FlexGrid* grid) { gird_ = grid; }
  // The module's ID as the module editor shows it; written into each row.
  void SetMenuID(const QString& id) { menuID_ = id; }

  // Fills the type list and selects "Standard".
  bool InitControl();
  // Loads row ID of Gird; false when there is no such row.
  bool GetData();

  QComboBox* cboButtonType() const { return cboButtonType_; }
  QComboBox* cboText() const { return cboText_; }
  QLineEdit* txtToolTipText() const { return txtToolTipText_; }
  QLineEdit* txtImage() const { return txtImage_; }
  QPushButton* cmdImage() const { return cmdImage_; }
  QLineEdit* txtFunction() const { return txtFunction_; }
  QPlainTextEdit* txtPara(int n) const { return txtPara_[n - 1]; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private slots:
  void cboButtonType_Click();
  void cmdImage_Click();
  void cmdOK_Click();

 private:
  // Writes the boxes into the grid row; false, with a message shown, when
  // there is no row to write.
  bool SaveData();
  bool Refuse(int textKey);
  void SelectType(const QString& type);

  QComboBox* cboButtonType_;
  QComboBox* cboText_;
  QLineEdit* txtToolTipText_;
  QLineEdit* txtImage_;
  QPushButton* cmdImage_;
  QLineEdit* txtFunction_;
  QPlainTextEdit* txtPara_[3];
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  int editMode_ = 0;
  int id_ = 0;
  QString formTemplateName_;
  FlexGrid* gird_ = nullptr;
  QString menuID_;
};

}  // namespace rd
