#include "support/SampleDatabase.h"

#include <QtTest>

#include "core/Globals.h"
#include "core/modDatabase.h"

SampleDatabase::SampleDatabase() {
  ui_ = ScriptedUi::Install();
  QVERIFY2(folder_.Ok(), qPrintable(folder_.Error()));
  rd::ConfigFile = folder_.File("Config.ini");
  rd::LanguageFile = folder_.File("Language/1033.ini");
  rd::ServerType = "ACCESS";
  rd::DbConnection = rd::Connection::OpenSqlite(folder_.DatabasePath());
  QVERIFY(rd::DbConnection);
}

SampleDatabase::~SampleDatabase() {
  ScriptedUi::Uninstall();
  rd::DbConnection.reset();
  rd::UserInfo.reset();
}

void SampleDatabase::Exec(const QString& sql) {
  QString error;
  QVERIFY2(rd::ExecuteSQL(sql, &error), qPrintable(error + " in " + sql));
}
