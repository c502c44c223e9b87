#pragma once
#include <QDialog>
#include <QStringList>
#include <vector>

#include "designer/RecordsetSave.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace rd {

class FlexGrid;
class frmRsEdit;

// Edits one record source: its query parts, its insert, update and delete
// statements, print lines, grid calculation and one field row per column
// of its select, kept in the grid vsData with the columns of tblRecordset.
// Execute makes the field rows and statements from the select; Save
// replaces the stored rows of the source.
class frmRecordset : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QObject* Form READ Form WRITE SetForm)
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(int ID READ ID WRITE SetID)
  Q_PROPERTY(QString RsName READ RsName WRITE SetRsName)
  Q_PROPERTY(QObject* vsData READ vsDataObject)
 public:
  explicit frmRecordset(QWidget* parent = nullptr);

  QObject* Form() const { return form_; }
  void SetForm(QObject* form) { form_ = form; }
  int EditMode() const { return editMode_; }  // 0 new, 1 modify
  void SetEditMode(int mode) { editMode_ = mode; }
  int ID() const { return id_; }
  void SetID(int id) { id_ = id; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& name) { rsName_ = name; }

  // Lists the field rows of the filter and, to modify, the source-level
  // texts of the first; false, the database's error shown, when the read
  // failed (the window is left as it was).
  Q_INVOKABLE bool RefreshData(const QString& filter);

  FlexGrid* vsData() const { return vsData_; }
  QLineEdit* txtName() const { return txtName_; }
  QPlainTextEdit* txtSelect() const { return txtSelect_; }
  QPlainTextEdit* txtWhere() const { return txtWhere_; }
  QPlainTextEdit* txtOrder() const { return txtOrder_; }
  QPlainTextEdit* txtInsert() const { return txtInsert_; }
  QPlainTextEdit* txtUpdate() const { return txtUpdate_; }
  QLineEdit* txtDelete() const { return txtDelete_; }
  QLineEdit* txtLines() const { return txtLines_; }
  QLineEdit* txtGrid() const { return txtGrid_; }
  QCheckBox* chkSave() const { return chkSave_; }
  QPushButton* cmdExecute() const { return cmdExecute_; }
  QPushButton* cmdListModify() const { return cmdListModify_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void cmdExecute_Click();
  void cmdListModify_Click();
  void cmdSave_Click();

 protected:
  // Shows the field editor modally; replaced by tests.
  virtual void RunEditor(frmRsEdit& editor);

 private:
  QObject* vsDataObject() const;
  void Execute();
  void ModifyField();
  // Writes the source; false, with a message shown, when nothing was saved.
  bool SaveData();
  // True unless the name is another stored source the user will not replace.
  bool MayTakeName(const QString& name);
  RecordsetSave::Source SourceTexts() const;
  std::vector<QStringList> FieldRows() const;
  void ShowFieldRows(const std::vector<QStringList>& rows);
  void HideSourceColumns();

  QLineEdit* txtName_;
  QPlainTextEdit* txtSelect_;
  QPlainTextEdit* txtWhere_;
  QPlainTextEdit* txtOrder_;
  QPlainTextEdit* txtInsert_;
  QPlainTextEdit* txtUpdate_;
  QLineEdit* txtDelete_;
  QLineEdit* txtLines_;
  QLineEdit* txtGrid_;
  QPushButton* cmdExecute_;
  QCheckBox* chkSave_;
  FlexGrid* vsData_;
  QPushButton* cmdListModify_;
  QPushButton* cmdSave_;
  QPushButton* cmdCancel_;
  QObject* form_ = nullptr;
  int editMode_ = 0;
  int id_ = 0;
  QString rsName_;
  // The name of the source the last refresh read; empty for a new one.
  QString loadedName_;
};

}  // namespace rd
