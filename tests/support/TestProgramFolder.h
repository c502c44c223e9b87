#pragma once
#include <QMap>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder for a test: Config.ini, the language files
// and a fresh sample database built from resources/Database. It becomes
// the program folder while the object lives.
class TestProgramFolder {
 public:
  // Extra [System] settings override the default Config.ini.
  explicit TestProgramFolder(const QMap<QString, QString>& system = {}, bool withDatabase = true);
  ~TestProgramFolder();

  QString Path() const { return dir_.path(); }
  QString File(const QString& name) const { return dir_.filePath(name); }
  QString DatabasePath() const { return File("RecordDesk.db"); }
  bool Ok() const { return ok_; }
  QString Error() const { return error_; }

  static QString SourceDir();
  // The SQL scripts that build the sample database.
  static QStringList DatabaseScripts();

 private:
  QTemporaryDir dir_;
  bool ok_ = false;
  QString error_;
};
