#pragma once
#include <QDialog>
#include <QPointer>

#include "masterdetail/DetailRowEditor.h"

class QPushButton;

namespace rd {

class RecordForm;
class frmMultiEdit;

// The modal editor of one detail row of a master-detail editor, generated
// from the detail record source's field definitions, two fields to a row.
// It writes the checked row into the opener's grid vsData (a new row for
// an add) and lets the opener recalculate; the database sees the row only
// when the master record is saved.
class frmListEdit : public QDialog, public DetailRowEditor {
  Q_OBJECT
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(QString RsName READ RsName WRITE SetRsName)
  Q_PROPERTY(int ID READ ID WRITE SetID)
  Q_PROPERTY(QString ReturnValue READ ReturnValue WRITE SetReturnValue)
  Q_PROPERTY(bool OKFlag READ OKFlag WRITE SetOKFlag)
 public:
  explicit frmListEdit(QWidget* parent = nullptr);
  ~frmListEdit() override;

  int EditMode() const { return editMode_; }
  void SetEditMode(int mode) override { editMode_ = mode; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& v) override { rsName_ = v; }
  int ID() const { return id_; }
  void SetID(int row) override { id_ = row; }
  frmMultiEdit* Form() const { return form_; }
  void SetForm(frmMultiEdit* form) override { form_ = form; }
  QString ReturnValue() const { return returnValue_; }
  void SetReturnValue(const QString& v) { returnValue_ = v; }
  bool OKFlag() const { return okFlag_; }
  void SetOKFlag(bool v) { okFlag_ = v; }

  // Builds the fields from the members, fills them (from grid row ID in
  // modify mode, with the default values otherwise), calculates and
  // formats them; false after one message when it cannot be shown.
  bool Load() override;

  // Validates the fields; the first refusal shows its message.
  bool CheckData();
  // Checks the fields, then writes them into the opener's grid and lets
  // the opener recalculate; the grid is untouched when it gives false.
  bool SaveData();
  // Empties the fields for the next row.
  bool ClearData();

  RecordForm& Fields() const { return *fields_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdAdd() const { return cmdAdd_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void cmdSave_Click();
  void cmdAdd_Click();
  void cmdCancel_Click();
  void cmdSelect_Click(int index);

 private:
  bool BuildForm();
  qlonglong RowRecordID() const;
  bool TargetRowValid() const;
  void showError(const QString& text);

  RecordForm* fields_;
  QPushButton* cmdSave_;
  QPushButton* cmdAdd_;
  QPushButton* cmdCancel_;
  QPointer<frmMultiEdit> form_;
  int editMode_ = 0;
  QString rsName_;
  int id_ = 0;
  QString returnValue_;
  bool okFlag_ = false;
};

}  // namespace rd
