#pragma once
#include <QString>
#include <memory>

#include "core/clsUserInfo.h"
#include "platform/db/Connection.h"

namespace rd {

// Process-wide settings, set at start-up and read everywhere.
extern QString ConfigFile;    // program folder + "/Config.ini"
extern QString LanguageFile;  // full path of the language file in use
extern QString LanguageID;    // LCID in use, as decimal text
extern QString AppTitle;      // language text 1000
extern QString ServerType;    // [System] ServerType as read ("SQLSERVER" or "ACCESS")

// The one database connection; null while there is none. Tests may put a
// connection of their own here.
extern std::unique_ptr<Connection> DbConnection;
// The current user; null once released.
extern std::unique_ptr<clsUserInfo> UserInfo;

// Drops the connection, then the current user.
void ReleaseGlobals();

// Ends the program from inside the event loop: releases the globals and
// leaves every running event loop. The caller must return at once.
void EndProgram();

}  // namespace rd
