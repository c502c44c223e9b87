#pragma once
#include <QWidget>

#include "core/ModuleWindow.h"

namespace rd {

class FlexGrid;
class ImageList;
class StatusBar;
class Toolbar;
class ToolbarButton;

// The browse window of a module of one record source: its records in a
// grid, a toolbar by the user's privileges, and the record count and the
// column totals in the status bar.
class frmSingleTable : public QWidget, public ModuleWindow {
  Q_OBJECT
 public:
  explicit frmSingleTable(QWidget* parent = nullptr);

  void InitControl() override;
  // Reads the record source again and shows its records; a non-blank
  // filter narrows the source's own condition until the next refresh.
  // False, with one message shown, when the records could not be read.
  bool RefreshData(const QString& filter = QString()) override;
  // Opens the editor on the first selected row; false when none is selected.
  bool ModifyData();

  QString SelectSQL() const override { return selectSQL_; }
  void SetSelectSQL(const QString& v) { selectSQL_ = v; }
  QString WhereArea() const override { return whereArea_; }
  void SetWhereArea(const QString& v) { whereArea_ = v; }
  QString OrderArea() const override { return orderArea_; }
  void SetOrderArea(const QString& v) { orderArea_ = v; }
  FlexGrid* vsData() override { return vsData_; }
  int PrintLines() const { return printLines_; }

  Toolbar* tbrMain() const { return tbrMain_; }
  StatusBar* stbTemplate() const { return stbTemplate_; }
  ImageList* imgBar() const { return imgBar_; }

 public slots:
  void tbrMain_ButtonClick(rd::ToolbarButton* button);
  void vsData_DblClick();

 private:
  bool AddData();
  bool DeleteData();
  bool QueryData();
  bool OpenEditor(int editMode, int row, int captionKey);
  bool CanAdd() const;
  bool CanModify() const;
  void ShowTotals(const class RecordSource& source, int recordCount);
  void Warn(const QString& text);
  void Unload();

  Toolbar* tbrMain_;
  FlexGrid* vsData_;
  StatusBar* stbTemplate_;
  ImageList* imgBar_;
  QString selectSQL_, whereArea_, orderArea_;
  int printLines_ = 1;
};

}  // namespace rd
