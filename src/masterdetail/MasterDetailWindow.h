#pragma once
#include "core/MasterDetailEditor.h"
#include "edit/ModuleEditorWindow.h"

class QGroupBox;

namespace rd {

class FlexGrid;

// A window over one master record with its detail rows: the master fields
// three to a row under the toolbar and, below them, the frame Frame1 with
// the detail grid vsData, filled from the detail record source with the
// rows the module's relation links to the master. Load() builds it anew.
class MasterDetailWindow : public ModuleEditorWindow, public MasterDetailEditor {
  Q_OBJECT
  Q_PROPERTY(QString RsName2 READ RsName2 WRITE SetRsName2)
  Q_PROPERTY(QString SelectSQL READ SelectSQL)
  Q_PROPERTY(QString WhereArea READ WhereArea)
  Q_PROPERTY(QString OrderArea READ OrderArea)
  Q_PROPERTY(QString Relation READ Relation WRITE SetRelation)
 public:
  explicit MasterDetailWindow(QWidget* parent = nullptr);
  ~MasterDetailWindow() override;

  // Members set by the opener (MasterDetailEditor).
  void SetForm(ModuleWindow* form) override { SetOpener(form); }
  void SetEditMode(int mode) override { ModuleEditorWindow::SetEditMode(mode); }
  void SetModuleName(const QString& v) override { ModuleEditorWindow::SetModuleName(v); }
  void SetRsName(const QString& v) override { ModuleEditorWindow::SetRsName(v); }
  QString RsName2() const { return rsName2_; }
  void SetRsName2(const QString& v) override { rsName2_ = v; }
  QString Relation() const { return relation_; }
  void SetRelation(const QString& v) override { relation_ = v; }
  void SetID(int row) override { ModuleEditorWindow::SetID(row); }
  // Builds the window anew from the members; false after one message
  // when it cannot be shown.
  bool Load() override;

  // The detail record source's query parts as the last RefreshData left
  // them: WhereArea holds the relation filter of the shown record.
  QString SelectSQL() const { return selectSQL_; }
  QString WhereArea() const { return whereArea_; }
  QString OrderArea() const { return orderArea_; }

  // The detail grid: row 0 captions, column k the k-th detail field
  // (ColKey the field name).
  FlexGrid* vsData() const { return vsData_; }
  QGroupBox* Frame1() const { return frame1_; }
  // Reloads the detail grid from the database with the filter (an SQL
  // condition, or empty for all rows of the detail source).
  bool RefreshData(const QString& filter);

 protected:
  // Places the toolbar for mode, the master fields and the frame below
  // them; the frame's top in twips, or nothing when the fields cannot be built.
  std::optional<int> BuildMasterArea(const QString& mode, bool readOnly);
  // The master field's value that the relation links the detail rows by.
  QString MasterRelationValue() const;

  static constexpr int kClientWidth = 11130;
  static constexpr int kFrameHeight = 3255;
  // Twips of the window's height beyond the buttons' top that are title
  // bar and border, not client area.
  static constexpr int kBorderHeight = 400;

  QGroupBox* frame1_;
  FlexGrid* vsData_;
  QString rsName2_, relation_;
  QString selectSQL_, whereArea_, orderArea_;
};

}  // namespace rd
