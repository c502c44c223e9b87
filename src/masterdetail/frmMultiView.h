#pragma once
#include <QDialog>
#include <QPointer>

#include "core/MasterDetailEditor.h"

class QGroupBox;
class QPushButton;

namespace rd {

class FlexGrid;
class ImageList;
class ModuleWindow;
class RecordForm;
class Toolbar;
class ToolbarButton;

// The modeless, read-only view of one master record with its detail rows:
// the master fields locked as generated from the master record source,
// filled from the opener's grid row, and the detail rows that the module's
// relation links to it. Load() again shows the record the members name now.
class frmMultiView : public QDialog, public MasterDetailEditor {
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
  explicit frmMultiView(QWidget* parent = nullptr);
  ~frmMultiView() override;

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

  // Builds the window anew from the members.
  bool Load() override;

  QString SelectSQL() const { return selectSQL_; }
  QString WhereArea() const { return whereArea_; }
  QString OrderArea() const { return orderArea_; }
  // Reloads the detail grid with the filter.
  bool RefreshData(const QString& filter);

  FlexGrid* vsData() const { return vsData_; }
  RecordForm& Fields() const { return *form_; }
  Toolbar* tbrMain() const { return tbrMain_; }
  QGroupBox* Frame1() const { return frame1_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void tbrMain_ButtonClick(rd::ToolbarButton* button);

 private:
  bool BuildForm();

  RecordForm* form_;
  Toolbar* tbrMain_;
  ImageList* imgBar_;
  QGroupBox* frame1_;
  FlexGrid* vsData_;
  QPushButton* cmdCancel_;
  ModuleWindow* opener_ = nullptr;
  QPointer<QObject> openerObject_;
  int editMode_ = 1;
  QString moduleName_, rsName_, rsName2_, relation_;
  int id_ = 0;
  QString returnValue_;
  bool okFlag_ = false;
  QString selectSQL_, whereArea_, orderArea_;
};

}  // namespace rd
