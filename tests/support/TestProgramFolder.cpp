#include "TestProgramFolder.h"

#include <QDir>
#include <QFile>

#include "platform/db/SqlScript.h"
#include "platform/ini/Ini.h"
#include "platform/ui/ProgramFolder.h"

QString TestProgramFolder::SourceDir() { return QStringLiteral(RD_SOURCE_DIR); }

QStringList TestProgramFolder::DatabaseScripts() {
  QStringList scripts;
  QDir dir(SourceDir() + "/resources/Database");
  for (const QString& f : dir.entryList({"*.sql"}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(f));
    if (file.open(QIODevice::ReadOnly)) scripts << QString::fromUtf8(file.readAll());
  }
  return scripts;
}

static void copyTree(const QString& from, const QString& to) {
  QDir src(from);
  QDir().mkpath(to);
  for (const QString& f : src.entryList(QDir::Files)) QFile::copy(src.filePath(f), to + "/" + f);
  for (const QString& d : src.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
    copyTree(src.filePath(d), to + "/" + d);
}

TestProgramFolder::TestProgramFolder(const QMap<QString, QString>& system, bool withDatabase) {
  const QString res = SourceDir() + "/resources";
  QFile::copy(res + "/Config.ini", File("Config.ini"));
  QFile(File("Config.ini")).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
  for (auto it = system.begin(); it != system.end(); ++it)
    rd::Ini::Write(File("Config.ini"), "System", it.key(), it.value());
  copyTree(res + "/Language", File("Language"));
  QDir().mkpath(File("Backup"));
  rd::ProgramFolder::SetPath(Path());
  ok_ = !withDatabase || rd::CreateSqliteDatabase(DatabasePath(), DatabaseScripts(), &error_);
}

TestProgramFolder::~TestProgramFolder() { rd::ProgramFolder::SetPath(QString()); }
