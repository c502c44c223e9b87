// Creates the sample database named by the program folder's Config.ini
// from Database/*.sql, only when no such file exists yet.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "platform/db/SqlScript.h"
#include "platform/ini/Ini.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: rd_makedb <program folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QString name = rd::Ini::Read(folder + "/Config.ini", "System", "DataBaseName");
  if (name.isEmpty()) name = "RecordDesk.db";
  const QString path = folder + "/" + name;
  if (QFileInfo::exists(path)) return 0;
  QStringList scripts;
  QDir dir(folder + "/Database");
  for (const QString& f : dir.entryList({"*.sql"}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(f));
    if (file.open(QIODevice::ReadOnly)) scripts << QString::fromUtf8(file.readAll());
  }
  QString error;
  if (!rd::CreateSqliteDatabase(path, scripts, &error)) {
    std::fprintf(stderr, "rd_makedb: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("rd_makedb: created %s\n", qPrintable(path));
  return 0;
}
