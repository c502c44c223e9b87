#include "core/Globals.h"

#include <QCoreApplication>

namespace rd {

QString ConfigFile;
QString LanguageFile;
QString LanguageID;
QString AppTitle;
QString ServerType;
std::unique_ptr<Connection> DbConnection;
std::unique_ptr<clsUserInfo> UserInfo;

void ReleaseGlobals() {
  DbConnection.reset();
  UserInfo.reset();
}

void EndProgram() {
  ReleaseGlobals();
  QCoreApplication::exit(0);
}

}  // namespace rd
