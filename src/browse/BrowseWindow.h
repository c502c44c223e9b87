#pragma once
#include <QWidget>
#include <functional>
#include <vector>

#include "core/ModuleWindow.h"

namespace rd {

class FlexGrid;
class ImageList;
class RecordSource;
class StatusBar;
class Toolbar;
class ToolbarButton;

// What every module browse window shares: the records of its record source
// in a grid, a toolbar by the user's privileges, the record count and the
// column totals in the status bar, the query dialog and the deleting of the
// selected records. The windows supply which editor opens, the total
// queries and what one record's delete runs.
class BrowseWindow : public QWidget, public ModuleWindow {
  Q_OBJECT
 public:
  // Checks the system tables a module reads and that its record source
  // can be read, then builds the toolbar.
  bool InitControl() override;
  // Reads the record source again and shows its records; a non-blank
  // filter narrows the source's own condition until the next refresh.
  // False, with one message shown, when the records could not be read.
  bool RefreshData(const QString& filter = QString()) override;
  // Opens the editor on the first selected row; false when none is selected.
  virtual bool ModifyData() = 0;

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
  virtual void vsData_DblClick() = 0;

 protected:
  explicit BrowseWindow(QWidget* parent);

  virtual bool AddData() = 0;
  // A key this window handles beyond the shared ones; false passes the
  // button on to its function.
  virtual bool HandleOwnButton(const QString& key) = 0;
  // The query of one status-bar total.
  virtual QString TotalQuery(const QString& totalSQL) const = 0;

  // Refuses a confirmed delete before anything is read or run; the
  // message is shown. Asked even when no row is selected.
  virtual bool CheckDelete() { return true; }
  // Reads the delete templates; false, with a message shown, stops the delete.
  virtual bool LoadDeleteTemplates();
  // Deletes the record whose ID is id, cells being the texts of its grid
  // row read before any delete ran; false with the database's error stops
  // the delete.
  virtual bool DeleteRecord(const QStringList& cells, qlonglong id, QString* error);
  // The record source's DeleteSQL with "@ID" filled; read by LoadDeleteTemplates.
  QString MasterDeleteStatement(qlonglong id) const;

  // The fixed toolbar of the list windows: Add, Modify, Delete, Refresh,
  // Query, Print and Close with their captions, tips and pictures.
  void BuildListToolbar();
  // Shows the records of query (a select with its condition) in orderBy in
  // the grid, read as the grid reaches them; a query the database cannot
  // count or page is read whole. False, with one message shown, when the
  // records could not be read; the grid then keeps what it showed.
  bool ShowRecords(const QString& query, const QString& orderBy);
  // The status bar holding only the record count.
  void ShowRecordCount(int recordCount);
  bool DeleteData();
  // Reads grid rows [first, last] for a reader of them (an editor, the
  // viewer, Delete); false, with one message shown, when they cannot be
  // read or the list was read again under them.
  bool ReadGridRows(int first, int last);
  // Before an action reads the selected rows: where another connection
  // changed the database, the rows are read again and the selection follows
  // its records. False, with one message shown, when that cannot be read,
  // rows in view moved, or a selected record is no longer among the rows.
  bool FollowSelection();
  // The row a one-record action (Modify, View) takes, once the selection
  // followed the database and the row is read: the row of the cell frame.
  // 0 when there is none or, with one message shown, it cannot be taken.
  int ActionRecordRow();
  // Reads every row as ReadGridRows does and runs print; rows read only for
  // it are let go afterwards. False when the rows cannot be read, else what
  // print returns.
  bool PrintEveryRow(const std::function<bool()>& print);
  bool QueryData();
  bool CanModify() const;
  // Reads a record source; a source without rows is reported.
  bool LoadSource(const QString& rsName, RecordSource& source);
  // Whether the query of the record source rsName can be read; message
  // 1278 names the module, the source and the database's reason otherwise.
  bool CanReadSource(const QString& rsName);
  // Message 1278 for reason, or a damage of the file alone; nothing for a
  // damage told already.
  void WarnSourceUnreadable(const QString& rsName, const QString& reason);
  // The module as the user knows it: the caption, else its name.
  QString ShownName() const;
  // A language text filled with this window's caption.
  QString CaptionFor(int key) const;
  void Warn(const QString& text);
  void Unload();
  // For the list windows opened as tools: Esc closes them, as their Close.
  void CloseOnEscape();

 private:
  struct Total {
    QString label, sql, format;
  };
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The messages of a paged grid whose read failed or found the rows moved.
  void ShowReadFailure(const QString& error, int code);
  void ShowRowsReread();
  // Reads the totals waiting for the grid's first paint into the status bar.
  void ShowPendingTotals();
  void PrintRecords();

  std::vector<Total> pendingTotals_;

  Toolbar* tbrMain_;
  FlexGrid* vsData_;
  StatusBar* stbTemplate_;
  ImageList* imgBar_;
  QString selectSQL_, whereArea_, orderArea_;
  QString deleteSQL_;
  int printLines_ = 1;
};

}  // namespace rd
