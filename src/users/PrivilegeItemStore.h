#pragma once
#include <QString>
#include <vector>

namespace rd {

// Writes the extra privilege items of tblPrivilegeID, addressed by module
// and name. Every value is bound and texts are stored as typed (an empty
// box as empty text). A failure gives false with the database's error.
class PrivilegeItemStore {
 public:
  static bool Add(const QString& menuId, const QString& name, const QString& description,
                  const QString& mode, QString* error);
  // Changes description and mode of every row of the module with that name.
  static bool Modify(const QString& menuId, const QString& name, const QString& description,
                     const QString& mode, QString* error);
  // Deletes the module's items of those names, all or none.
  static bool Delete(const QString& menuId, const std::vector<QString>& names, QString* error);
};

}  // namespace rd
