#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

#include "users/PrivilegeItem.h"

namespace rd {

// The privilege items of modules: first the automatic ones a module's
// toolbars give (standard buttons of Browse and View, or the rows of its
// custom toolbars in ButtonIndex order), then its extra items ordered by
// mode. The toolbar rows and extra items are read once, by Read.
class PrivilegeItems {
 public:
  // Reads the custom toolbar rows and the extra items of one module, or of
  // every module when menuId is empty: one query each. A query that fails
  // is shown by OpenRecordset; what it would have given is left out.
  static PrivilegeItems Read(const QString& menuId = QString());
  // Nothing for a tag that is not a module's.
  std::vector<PrivilegeItem> Of(const QString& menuId, const QString& nodeTag) const;

 private:
  static void AddStandardBrowse(bool multiRs, std::vector<PrivilegeItem>& items);
  void AddCustomRows(const QString& menuId, const QString& mode,
                     std::vector<PrivilegeItem>& items) const;

  QHash<QString, QStringList> toolbarTexts_;           // by lower-case "menu|mode"
  QHash<QString, std::vector<PrivilegeItem>> stored_;  // by lower-case menu ID
};

}  // namespace rd
