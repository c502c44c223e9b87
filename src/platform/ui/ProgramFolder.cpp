#include "platform/ui/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace rd::ProgramFolder {
namespace {
QString& overridden() {
  static QString path;
  return path;
}
}  // namespace

QString Path() {
  if (!overridden().isEmpty()) return overridden();
  return QCoreApplication::applicationDirPath();
}

void SetPath(const QString& folder) { overridden() = QDir::cleanPath(folder); }

QString File(const QString& relative) {
  QString r = relative;
  r.replace('\\', '/');
  if (r.startsWith('/')) r.remove(0, 1);
  return Path() + "/" + r;
}

}  // namespace rd::ProgramFolder
