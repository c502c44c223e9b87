#pragma once
#include <QDialog>
#include <QPointer>

#include "core/MasterDetailEditor.h"
#include "masterdetail/DetailRowEditor.h"

class QGroupBox;
class QPushButton;

namespace rd {

class FlexGrid;
class ImageList;
class ModuleWindow;
class RecordForm;
class Toolbar;
class ToolbarButton;

// The modal editor of one master record of a master-detail module with its
// detail rows: the generated master fields, the detail grid vsData (the
// working copy of the detail rows, written back whole on save) and the list
// buttons that open the detail-row editor ("frmListEdit", a DetailRowEditor).
class frmMultiEdit : public QDialog, public MasterDetailEditor {
  Q_OBJECT
  Q_PROPERTY(int EditMode READ EditMode WRITE SetEditMode)
  Q_PROPERTY(QString RsName READ RsName WRITE SetRsName)
  Q_PROPERTY(QString RsName2 READ RsName2 WRITE SetRsName2)
  Q_PROPERTY(int ID READ ID WRITE SetID)
  Q_PROPERTY(QString ReturnValue READ ReturnValue WRITE SetReturnValue)
  Q_PROPERTY(bool OKFlag READ OKFlag WRITE SetOKFlag)
  Q_PROPERTY(QString SelectSQL READ SelectSQL)
  Q_PROPERTY(QString WhereArea READ WhereArea)
  Q_PROPERTY(QString OrderArea READ OrderArea)
  Q_PROPERTY(QString Relation READ Relation WRITE SetRelation)
  Q_PROPERTY(QString ModuleName READ ModuleName WRITE SetModuleName)
 public:
  explicit frmMultiEdit(QWidget* parent = nullptr);
  ~frmMultiEdit() override;

  // Members set by the opener (MasterDetailEditor).
  void SetForm(ModuleWindow* form) override;
  ModuleWindow* Form() const;
  int EditMode() const { return editMode_; }
  void SetEditMode(int mode) override { editMode_ = mode; }
  QString ModuleName() const { return moduleName_; }
  void SetModuleName(const QString& v) override { moduleName_ = v; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& v) override { rsName_ = v; }
  QString RsName2() const { return rsName2_; }
  void SetRsName2(const QString& v) override { rsName2_ = v; }
  QString Relation() const { return relation_; }
  void SetRelation(const QString& v) override { relation_ = v; }
  int ID() const { return id_; }
  void SetID(int row) override { id_ = row; }
  QString ReturnValue() const { return returnValue_; }
  void SetReturnValue(const QString& v) { returnValue_ = v; }
  bool OKFlag() const { return okFlag_; }
  void SetOKFlag(bool v) { okFlag_ = v; }

  bool Load() override;

  // The detail record source's query parts as the last RefreshData left
  // them: WhereArea holds the relation filter of the edited record.
  QString SelectSQL() const { return selectSQL_; }
  QString WhereArea() const { return whereArea_; }
  QString OrderArea() const { return orderArea_; }

  // The detail grid: row 0 captions, column k the k-th detail field
  // (ColKey the field name); the row editor reads and writes it.
  FlexGrid* vsData() const { return vsData_; }
  // Reloads the detail grid from the database with the filter (an SQL
  // condition, or empty for all rows of the detail source).
  bool RefreshData(const QString& filter);
  // Carries the grid's values into the master fields (the detail source's
  // grid calculation), then recalculates and formats the master fields.
  void GridCalculate();

  // Validation, saving and clearing of the master record with its rows.
  bool CheckData();
  bool SaveData();
  bool ClearData();

  RecordForm& Fields() const { return *form_; }
  Toolbar* tbrMain() const { return tbrMain_; }
  QGroupBox* Frame1() const { return frame1_; }
  QPushButton* cmdSave() const { return cmdSave_; }
  QPushButton* cmdAdd() const { return cmdAdd_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }
  QPushButton* cmdListAdd() const { return cmdListAdd_; }
  QPushButton* cmdListModify() const { return cmdListModify_; }
  QPushButton* cmdListDelete() const { return cmdListDelete_; }

 public slots:
  void cmdSave_Click();
  void cmdAdd_Click();
  void cmdCancel_Click();
  void cmdListAdd_Click();
  void cmdListModify_Click();
  void cmdListDelete_Click();
  void tbrMain_ButtonClick(rd::ToolbarButton* button);
  void cmdSelect_Click(int index);

 private:
  bool BuildForm();
  void OpenRowEditor(int mode, int row);
  void AfterChange(int label);
  void showError(const QString& text);
  qlonglong RecordID() const;

  RecordForm* form_;
  Toolbar* tbrMain_;
  ImageList* imgBar_;
  QGroupBox* frame1_;
  FlexGrid* vsData_;
  QPushButton* cmdListAdd_;
  QPushButton* cmdListModify_;
  QPushButton* cmdListDelete_;
  QPushButton* cmdSave_;
  QPushButton* cmdAdd_;
  QPushButton* cmdCancel_;
  ModuleWindow* opener_ = nullptr;
  QPointer<QObject> openerObject_;
  int editMode_ = 0;
  QString moduleName_, rsName_, rsName2_, relation_;
  int id_ = 0;
  QString returnValue_;
  bool okFlag_ = false;
  QString selectSQL_, whereArea_, orderArea_;
  QString loadedRelationValue_;  // the master's relation value as loaded (modify)
};

}  // namespace rd
