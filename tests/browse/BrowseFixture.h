#pragma once
// The sample database in a temporary program folder, opened as after a
// login, with a few users beside the administrator:
//   clerk    may add and refresh customers, and print in the view of sales bills
//   O'Brien  may delete customers
//   nobody   holds nothing
#include <QtTest>

#include "browse/BrowseWindow.h"
#include "core/Globals.h"
#include "core/modDatabase.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/StatusBarPanel.h"
#include "platform/widgets/Toolbar.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"

namespace browsefixture {

inline const char* kUsers[] = {
    "insert into tblUser (UserName, IsEnable, IsAdmin) values ('clerk', 1, 0)",
    "insert into tblUser (UserName, IsEnable, IsAdmin) values ('O''Brien', 1, 0)",
    "insert into tblUser (UserName, IsEnable, IsAdmin) values ('nobody', 1, 0)",
    "insert into tblPrivilege values ('clerk', 'Customers')",
    "insert into tblPrivilege values ('clerk', 'Customers-Add-Browse')",
    "insert into tblPrivilege values ('clerk', 'Customers-Refresh-Browse')",
    "insert into tblPrivilege values ('clerk', 'Customers-Delete-Modify')",
    "insert into tblPrivilege values ('clerk', 'SalesBills-Print-View')",
    "insert into tblPrivilege values ('O''Brien', 'Customers-Delete-Browse')",
};

class Database {
 public:
  Database() {
    QVERIFY2(folder_.Ok(), qPrintable(folder_.Error()));
    rd::ConfigFile = folder_.File("Config.ini");
    rd::LanguageFile = folder_.File("Language/1033.ini");
    rd::AppTitle = "RecordDesk";
    rd::ServerType = "ACCESS";
    rd::DbConnection = rd::Connection::OpenSqlite(folder_.DatabasePath());
    QVERIFY(rd::DbConnection);
    for (const char* sql : kUsers) Exec(sql);
    LogIn("admin");
    ui_ = ScriptedUi::Install();
  }
  ~Database() {
    ScriptedUi::Uninstall();
    rd::DbConnection.reset();
    rd::UserInfo.reset();
  }

  void LogIn(const QString& user) {
    rd::UserInfo = std::make_unique<rd::clsUserInfo>();
    rd::UserInfo->LoginUser = user;
  }
  static void Exec(const QString& sql) {
    QString error;
    QVERIFY2(rd::ExecuteSQL(sql, &error), qPrintable(error + " in " + sql));
  }
  static int Count(const QString& sql) {
    rd::Recordset rs;
    return rd::OpenRecordset(sql, rs) ? rs.Fields(0).Value.toInt() : -1;
  }
  ScriptedUi& Ui() { return *ui_; }
  const TestProgramFolder& Folder() const { return folder_; }

 private:
  TestProgramFolder folder_;
  ScriptedUi* ui_ = nullptr;
};

// The status bar texts once the window has painted its rows, after which
// the totals are read.
inline QStringList Panels(rd::BrowseWindow& w) {
  w.show();
  if (!QTest::qWaitForWindowExposed(&w)) return {};
  w.vsData()->viewport()->repaint();
  QCoreApplication::processEvents();
  QStringList texts;
  for (int i = 1; i <= w.stbTemplate()->PanelCount(); ++i)
    texts << w.stbTemplate()->Panel(i)->Text();
  return texts;
}

// Selects the grid rows (1 up) as the user would, and nothing else.
inline void Select(rd::FlexGrid& grid, const QList<int>& rows) {
  grid.selectionModel()->clear();
  for (int row : rows)
    grid.selectionModel()->select(grid.model()->index(row - 1, 1),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// Presses the window's toolbar button key.
inline void Click(rd::BrowseWindow& w, const QString& key) {
  rd::ToolbarButton* button = w.tbrMain()->Button(key);
  QVERIFY2(button, qPrintable(key));
  button->trigger();
}

}  // namespace browsefixture
