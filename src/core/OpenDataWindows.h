#pragma once
#include <QStringList>

namespace rd {

// What a session of the development window changed in the stored design.
struct DesignChange {
  QStringList sources;         // record sources saved or deleted
  QStringList modules;         // modules whose tblMenu row changed
  QStringList deletedModules;  // modules whose row is gone
  bool Empty() const { return sources.isEmpty() && modules.isEmpty() && deletedModules.isEmpty(); }
};

// After a restore no window may keep rows of the replaced database: module
// windows read theirs again, editors and viewers close.
void ReloadOpenWindows();

// After a design change no open window may show columns its record source
// no longer has: a module window whose record source (RsName or RsName2)
// changed reads its rows again; one whose module row changed takes RsName,
// RsName2, Relation and caption from the row again, then InitControl and
// RefreshData; one whose module is gone closes; viewers and editors close.
void FollowDesignChange(const DesignChange& change);

}  // namespace rd
