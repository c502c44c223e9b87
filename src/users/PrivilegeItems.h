#pragma once
#include <QString>
#include <vector>

#include "users/PrivilegeItem.h"

namespace rd {

// The privilege items of a module: first the automatic ones its toolbars
// give (standard buttons of Browse and View, or the rows of its custom
// toolbars in ButtonIndex order), then its extra items ordered by mode.
// Nothing for a tag that is not a module's. A query that fails is shown
// by OpenRecordset; the items read so far are kept.
class PrivilegeItems {
 public:
  static std::vector<PrivilegeItem> Of(const QString& menuId, const QString& nodeTag);

 private:
  static void AddStandardBrowse(bool multiRs, std::vector<PrivilegeItem>& items);
  static void AddCustomRows(const QString& menuId, const QString& mode,
                            std::vector<PrivilegeItem>& items);
  static void AddStoredItems(const QString& menuId, std::vector<PrivilegeItem>& items);
};

}  // namespace rd
