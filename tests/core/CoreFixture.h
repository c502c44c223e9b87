#pragma once
// A program folder with a small database of users and field captions, a
// language file whose texts name their keys ("#1031"), and the settings
// pointing at both.
#include <QFile>
#include <QtTest>

#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/SqlScript.h"

namespace corefixture {

inline const char* kSchema =
    "create table tblUser (ID integer primary key autoincrement, UserName text collate nocase,"
    " [Password] text, IsEnable integer, IsAdmin integer);"
    "insert into tblUser (UserName, [Password], IsEnable, IsAdmin) values ('Carol', 'Secret', 1, 1);"
    "insert into tblUser (UserName, [Password], IsEnable, IsAdmin) values ('dave', null, 1, 0);"
    "insert into tblUser (UserName, [Password], IsEnable, IsAdmin) values ('erin', '', 1, null);"
    "insert into tblUser (UserName, [Password], IsEnable, IsAdmin) values ('frank', 'pw', 0, 1);"
    "insert into tblUser (UserName, [Password], IsEnable, IsAdmin) values ('null', 'x', 1, 0);"
    "create table tblRecordset (ID integer primary key autoincrement, Field text collate nocase,"
    " [Language] text);"
    "insert into tblRecordset (Field, [Language]) values ('Qty', 'Quantity');"
    "insert into tblRecordset (Field, [Language]) values ('Qty', 'Amount');"
    "insert into tblRecordset (Field, [Language]) values ('O''Brien', 'Irish');"
    "create table t (ID integer primary key, Note text);"
    "create table tblMenu (ID text collate nocase, MenuIndex integer, [Language] text,"
    " Parent text collate nocase, RsName text, RsName2 text, Relation text,"
    " FormTemplateName text);"
    "create table tblPrivilege (UserName text collate nocase, ModuleID text collate nocase);";

// Writes a language file whose every text is "#" and its key.
inline void WriteKeyLanguage(const QString& path) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("[Language]\r\n1000=App\r\n1040=User: @1\r\n");
  for (int key = 1001; key < 1300; ++key)
    if (key != 1040) f.write(QString("%1=#%1\r\n").arg(key).toUtf8());
}

// Folder, database and language; the globals are left for the test to set.
class Folder {
 public:
  explicit Folder(const QMap<QString, QString>& system = {}) : folder_(system, false) {
    QString error;
    ok_ = rd::CreateSqliteDatabase(folder_.DatabasePath(), {kSchema}, &error);
    if (!ok_) qWarning("%s", qPrintable(error));
    QDir().mkpath(folder_.File("Language"));
    WriteKeyLanguage(folder_.File("Language/1033.ini"));
  }
  bool Ok() const { return ok_; }
  TestProgramFolder& Program() { return folder_; }

  // Settings and connection as after a start-up, with a user logged in.
  void Open(const QString& user = "Carol") {
    rd::ConfigFile = folder_.File("Config.ini");
    rd::LanguageFile = folder_.File("Language/1033.ini");
    rd::AppTitle = "App";
    rd::ServerType = "ACCESS";
    rd::DbConnection = rd::Connection::OpenSqlite(folder_.DatabasePath());
    rd::UserInfo = std::make_unique<rd::clsUserInfo>();
    rd::UserInfo->LoginUser = user;
  }

 private:
  TestProgramFolder folder_;
  bool ok_ = false;
};

// The stored password of a user, and whether it is NULL.
inline QVariant StoredPassword(const QString& user) {
  rd::Recordset rs;
  if (!rd::OpenRecordset("select [Password] from tblUser where UserName='" + rd::SqlStr(user) + "'",
                         rs))
    return QVariant();
  return rs.Fields(0).Value;
}

}  // namespace corefixture
