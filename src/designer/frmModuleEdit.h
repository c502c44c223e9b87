#pragma once
#include <QDialog>
#include <QPointer>

#include "designer/ModuleDefinition.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace rd {

class FlexGrid;
class ToolbarTab;

// Edits one module: its tblMenu row and the buttons of its four toolbars
// (Browse, View, Add, Modify), kept in grids until Save writes the whole.
//
// Opened by the development window, which sets Form (itself), EditMode
// (0 add, 1 modify) and, to modify, SelectRow (the row of its list
// "lvDetail" holding the module's 12 tblMenu columns), then calls
// InitControl() and, to modify, GetData().
class frmModuleEdit : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QObject* Form READ Form WRITE SetForm)
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(int SelectRow READ SelectRow WRITE SetSelectRow)
 public:
  explicit frmModuleEdit(QWidget* parent = nullptr);

  QObject* Form() const { return form_; }
  void SetForm(QObject* form) { form_ = form; }
  int EditMode() const { return editMode_; }
  void SetEditMode(int mode) { editMode_ = mode; }
  int SelectRow() const { return selectRow_; }
  void SetSelectRow(int row) { selectRow_ = row; }

  // Fills the parent, template and record source lists and empties the
  // four toolbar grids.
  Q_INVOKABLE bool InitControl();
  // Loads the module of row SelectRow of the opener's list and its buttons;
  // false when the opener has no such list.
  Q_INVOKABLE bool GetData();

  QLineEdit* txtID() const { return txtID_; }
  QLineEdit* txtMenuIndex() const { return txtMenuIndex_; }
  QLineEdit* txtLanguage() const { return txtLanguage_; }
  QComboBox* cboParent() const { return cboParent_; }
  QComboBox* txtRsName() const { return txtRsName_; }
  QComboBox* txtRsName2() const { return txtRsName2_; }
  QLineEdit* txtRelation() const { return txtRelation_; }
  QComboBox* cboFormTemplate() const { return cboFormTemplate_; }
  QTabWidget* SSTab1() const { return SSTab1_; }
  // The tab of a toolbar mode, 0 Browse to 3 Modify.
  ToolbarTab* Tab(int mode) const { return tabs_[mode]; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 private slots:
  void cmdSave_Click();

 private:
  void OpenButtonEditor(FlexGrid* grid, int row);
  // The module as the boxes and grids hold it.
  ModuleDefinition Definition() const;
  // Saves; false, with one message shown, when nothing was written.
  bool SaveData();
  void Refuse(const QString& text, QWidget* field);

  QLineEdit* txtID_;
  QLineEdit* txtMenuIndex_;
  QLineEdit* txtLanguage_;
  QComboBox* cboParent_;
  QComboBox* txtRsName_;
  QComboBox* txtRsName2_;
  QLineEdit* txtRelation_;
  QComboBox* cboFormTemplate_;
  QTabWidget* SSTab1_;
  ToolbarTab* tabs_[kToolbarModeCount];
  QPushButton* cmdSave_;
  QPushButton* cmdCancel_;
  QPointer<QObject> form_;
  int editMode_ = 0;
  int selectRow_ = 0;
  QString loadedID_;
};

}  // namespace rd
