// Builds the main window over 300 menu items (10 menus of 29 modules each,
// plus the tools), for an administrator and for a user granted half of them.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "core/Globals.h"
#include "core/frmMain.h"
#include "core/modCommon.h"
#include "platform/db/SqlScript.h"

namespace {

QString Script() {
  QString sql =
      "create table tblPrivilege (UserName text collate nocase, ModuleID text collate nocase);"
      "create table tblMenu (ID text collate nocase primary key, MenuIndex integer,"
      " [Language] text, Parent text collate nocase, RsName text, RsName2 text, Relation text,"
      " FormTemplateName text);";
  for (int m = 1; m <= 10; ++m) {
    sql += QString("insert into tblMenu values ('menu%1', %1, 'Menu %1', '0', null, null, null,"
                   " null);")
               .arg(m);
    for (int i = 1; i <= 29; ++i) {
      sql += QString("insert into tblMenu values ('mod%1_%2', %2, 'Module %1.%2', 'menu%1',"
                     " 'Rs%1_%2', null, null, 'SingleRs');")
                 .arg(m)
                 .arg(i);
      if (i % 2)
        sql += QString("insert into tblPrivilege values ('clerk', 'mod%1_%2');").arg(m).arg(i);
    }
  }
  return sql;
}

double BuildMs(const QString& user, bool admin) {
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = user;
  rd::UserInfo->IsAdmin = admin;
  QElapsedTimer timer;
  timer.start();
  auto* w = new rd::frmMain;
  w->show();
  QApplication::processEvents();
  const double ms = timer.nsecsElapsed() / 1e6;
  delete w;
  return ms;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath("bench.db");
  QString error;
  if (!rd::CreateSqliteDatabase(path, {Script()}, &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  rd::DbConnection = rd::Connection::OpenSqlite(path);
  rd::LanguageFile = dir.filePath("1033.ini");
  QFile language(rd::LanguageFile);
  if (language.open(QIODevice::WriteOnly))
    language.write("[Language]\r\n1000=RecordDesk\r\n1040=User: @1\r\n1043=&Help\r\n");
  language.close();
  rd::AppTitle = rd::GetLangString(1000);
  BuildMs("admin", true);  // warm-up
  std::printf("main_window_300_items_admin: %.1f ms\n", BuildMs("admin", true));
  std::printf("main_window_300_items_user: %.1f ms\n", BuildMs("clerk", false));
  rd::ReleaseGlobals();
  return 0;
}
