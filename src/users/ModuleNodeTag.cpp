#include "users/ModuleNodeTag.h"

#include "core/modDatabase.h"
#include "platform/db/Recordset.h"

namespace rd {

ModuleNodeTag::ModuleNodeTag(const QString& tag) : parts_(tag.split(QLatin1Char('|'))) {}

QString ModuleNodeTag::Of(const Recordset& menuRow) {
  QStringList parts;
  for (const char* column :
       {"FormTemplateName", "BrowseToolbar", "ViewToolbar", "AddToolbar", "ModifyToolbar"})
    parts << NullToStr(menuRow.Value(QLatin1String(column)));
  return parts.join(QLatin1Char('|'));
}

QString ModuleNodeTag::ModeName(Mode mode) {
  switch (mode) {
    case Browse:
      return QStringLiteral("Browse");
    case View:
      return QStringLiteral("View");
    case Add:
      return QStringLiteral("Add");
    case Modify:
      return QStringLiteral("Modify");
  }
  return QString();
}

bool ModuleNodeTag::IsSingleRs() const {
  return parts_.value(0).compare(QLatin1String("singlers"), Qt::CaseInsensitive) == 0;
}

bool ModuleNodeTag::IsMultiRs() const {
  return parts_.value(0).compare(QLatin1String("multirs"), Qt::CaseInsensitive) == 0;
}

bool ModuleNodeTag::IsCustom(Mode mode) const {
  return parts_.value(mode).compare(QLatin1String("custom"), Qt::CaseInsensitive) == 0;
}

}  // namespace rd
