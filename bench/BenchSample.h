#pragma once
// The sample database in a temporary folder as the program's connection,
// with messages written to the console instead of waiting for a click.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "core/Globals.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlScript.h"
#include "platform/ui/Ui.h"

namespace benchsample {

// A bench meets no message: one that comes is printed and ends the bench
// with a failure, as no click would ever answer it.
class ConsoleUi : public rd::Ui {
 public:
  rd::MsgResult MsgBox(const QString& text, rd::MsgIcon, rd::MsgButtons, const QString&,
                       QWidget*) override {
    std::fprintf(stderr, "message box: %s\n", qPrintable(text));
    std::fflush(stdout);
    std::_Exit(3);
  }
};

inline QStringList Scripts() {
  QDir dir(QStringLiteral(RD_SOURCE_DIR "/resources/Database"));
  QStringList scripts;
  for (const QString& name : dir.entryList({"*.sql"}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::ReadOnly)) scripts << QString::fromUtf8(file.readAll());
  }
  return scripts;
}

// Builds the sample database in dir (in memory where the system offers a
// file system there, so that the disk's flush at a commit does not drown
// the work measured), opens it as DbConnection and logs admin in.
class Database {
 public:
  Database()
      : dir_((QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath()) +
             "/rd_bench-XXXXXX") {
    path_ = dir_.filePath("bench.db");
    QString error;
    if (!rd::CreateSqliteDatabase(path_, Scripts(), &error)) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return;
    }
    rd::ServerType = "ACCESS";
    rd::ConfigFile = dir_.filePath("Config.ini");
    rd::LanguageFile = QStringLiteral(RD_SOURCE_DIR "/resources/Language/1033.ini");
    rd::DbConnection = rd::Connection::OpenSqlite(path_);
    rd::UserInfo = std::make_unique<rd::clsUserInfo>();
    rd::UserInfo->LoginUser = "admin";
    rd::Ui::Install(std::make_unique<ConsoleUi>());
  }
  ~Database() { rd::DbConnection.reset(); }
  bool Open() const { return rd::DbConnection != nullptr; }
  QString Path() const { return path_; }

 private:
  QTemporaryDir dir_;
  QString path_;
};

}  // namespace benchsample
