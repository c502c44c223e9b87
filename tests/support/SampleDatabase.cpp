#include "support/SampleDatabase.h"

#include <QtTest>

#include "core/DatabaseConnector.h"
#include "core/Globals.h"
#include "core/modDatabase.h"

SampleDatabase::SampleDatabase() {
  ui_ = ScriptedUi::Install();
  QVERIFY2(folder_.Ok(), qPrintable(folder_.Error()));
  rd::ConfigFile = folder_.File("Config.ini");
  rd::LanguageFile = folder_.File("Language/1033.ini");
  rd::ServerType = "ACCESS";
  // Opened as start-up opens it, so that it speaks in the program's words.
  QVERIFY(rd::DatabaseConnector::Open(rd::ServerType, "RecordDesk.db", "", "", ""));
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
