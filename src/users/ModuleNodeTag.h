#pragma once
#include <QString>
#include <QStringList>

namespace rd {

class Recordset;

// The tag of a tree node made from a tblMenu row: FormTemplateName and the
// Browse, View, Add and Modify toolbar types joined by "|".
class ModuleNodeTag {
 public:
  enum Mode { Browse = 1, View = 2, Add = 3, Modify = 4 };

  explicit ModuleNodeTag(const QString& tag);
  // The tag of the current row of a tblMenu query; NULL gives an empty part.
  static QString Of(const Recordset& menuRow);
  static QString ModeName(Mode mode);

  // A "SingleRs" or "MultiRs" module (case ignored).
  bool IsModule() const { return IsSingleRs() || IsMultiRs(); }
  bool IsSingleRs() const;
  bool IsMultiRs() const;
  // Whether the toolbar of that mode is "Custom" (case ignored).
  bool IsCustom(Mode mode) const;

 private:
  QStringList parts_;
};

}  // namespace rd
