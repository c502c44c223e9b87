#pragma once
#include <QDialog>
#include <QPointer>

#include "core/RecordEditor.h"

class QPushButton;

namespace rd {

class ImageList;
class RecordForm;
class Toolbar;
class ToolbarButton;

// The modal editor of one record of a single-source module, generated from
// the record source's field definitions.
class frmEdit : public QDialog, public RecordEditor {
  Q_OBJECT
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(QString RsName READ RsName WRITE SetRsName)
  Q_PROPERTY(int ID READ ID WRITE SetID)
  Q_PROPERTY(QString ModuleName READ ModuleName WRITE SetModuleName)
  Q_PROPERTY(bool AllowAdd READ AllowAdd WRITE SetAllowAdd)
  Q_PROPERTY(QString ReturnValue READ ReturnValue WRITE SetReturnValue)
  Q_PROPERTY(bool OKFlag READ OKFlag WRITE SetOKFlag)
 public:
  explicit frmEdit(QWidget* parent = nullptr);
  ~frmEdit() override;

  void SetForm(ModuleWindow* form) override;
  ModuleWindow* Form() const;
  int EditMode() const { return editMode_; }
  void SetEditMode(int mode) override { editMode_ = mode; }
  bool AllowAdd() const { return allowAdd_; }
  void SetAllowAdd(bool allow) override { allowAdd_ = allow; }
  QString ModuleName() const { return moduleName_; }
  void SetModuleName(const QString& v) override { moduleName_ = v; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& v) override { rsName_ = v; }
  int ID() const { return id_; }
  void SetID(int row) override { id_ = row; }
  QString ReturnValue() const { return returnValue_; }
  void SetReturnValue(const QString& v) { returnValue_ = v; }
  bool OKFlag() const { return okFlag_; }
  void SetOKFlag(bool v) { okFlag_ = v; }

  bool Load() override;

  // Validation, saving and clearing of the record.
  bool CheckData();
  bool SaveData();
  bool ClearData();

  RecordForm& Fields() const { return *form_; }
  Toolbar* tbrMain() const { return tbrMain_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdAdd() const { return cmdAdd_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void cmdSave_Click();
  void cmdAdd_Click();
  void cmdCancel_Click();
  void tbrMain_ButtonClick(rd::ToolbarButton* button);
  void cmdSelect_Click(int index);

 private:
  bool BuildForm();
  void AfterChange();
  void showError(const QString& text);
  qlonglong RecordID() const;

  RecordForm* form_;
  Toolbar* tbrMain_;
  ImageList* imgBar_;
  QPushButton* cmdSave_;
  QPushButton* cmdAdd_;
  QPushButton* cmdCancel_;
  ModuleWindow* opener_ = nullptr;
  QPointer<QObject> openerObject_;
  int editMode_ = 0;
  bool allowAdd_ = false;
  QString moduleName_, rsName_;
  int id_ = 0;
  QString returnValue_;
  bool okFlag_ = false;
};

}  // namespace rd
