#pragma once
#include <QStringList>

#include "toolkit/OleColor.h"

// What the files of cMenus share.
namespace rd::menus {

// Native item states kept on the QAction.
inline const char* const kChecked = "rdChecked";
inline const char* const kBreak = "rdBreak";

inline const OleColor kShadow = Ole::System(16);
inline const OleColor kFace = Ole::System(15);
inline const OleColor kWhite = 0xFFFFFF;

// The names of a shortcut text; empty names never count.
inline QStringList accelNames(const QString& keyAccel) {
  return keyAccel.split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

// The name shown beside the caption: the first one.
inline QString accelDisplayText(const QString& keyAccel) { return accelNames(keyAccel).value(0); }

}  // namespace rd::menus
