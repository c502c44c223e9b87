#include "users/PrivilegeItems.h"

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"
#include "users/ModuleNodeTag.h"

namespace rd {

namespace {

struct StandardButton {
  const char* key;
  int caption;
};

// In the order the lists show them; View only for master-detail modules.
constexpr StandardButton kBrowseButtons[] = {{"View", 1029},   {"Add", 1014},     {"Modify", 1015},
                                             {"Delete", 1016}, {"Refresh", 1020}, {"Query", 1017},
                                             {"Print", 1018}};
constexpr StandardButton kViewPrint = {"Print", 1018};

PrivilegeItem Automatic(const StandardButton& button, const QString& mode) {
  const QString caption = GetLangString(button.caption);
  return {QLatin1String(button.key), caption, caption, mode, true};
}

}  // namespace

std::vector<PrivilegeItem> PrivilegeItems::Of(const QString& menuId, const QString& nodeTag) {
  std::vector<PrivilegeItem> items;
  const ModuleNodeTag tag(nodeTag);
  if (!tag.IsModule()) return items;
  const auto custom = [&](ModuleNodeTag::Mode mode) {
    if (!tag.IsCustom(mode)) return false;
    AddCustomRows(menuId, ModuleNodeTag::ModeName(mode), items);
    return true;
  };
  if (!custom(ModuleNodeTag::Browse)) AddStandardBrowse(tag.IsMultiRs(), items);
  if (tag.IsMultiRs() && !custom(ModuleNodeTag::View))
    items.push_back(Automatic(kViewPrint, ModuleNodeTag::ModeName(ModuleNodeTag::View)));
  custom(ModuleNodeTag::Add);
  custom(ModuleNodeTag::Modify);
  AddStoredItems(menuId, items);
  return items;
}

void PrivilegeItems::AddStandardBrowse(bool multiRs, std::vector<PrivilegeItem>& items) {
  const QString mode = ModuleNodeTag::ModeName(ModuleNodeTag::Browse);
  for (const StandardButton& button : kBrowseButtons)
    if (multiRs || QLatin1String(button.key) != QLatin1String("View"))
      items.push_back(Automatic(button, mode));
}

void PrivilegeItems::AddCustomRows(const QString& menuId, const QString& mode,
                                   std::vector<PrivilegeItem>& items) {
  Recordset rs;
  if (!OpenRecordset("select Text from tblToolbar where MenuID=" + SqlLiteral(menuId) +
                         " and Mode=" + SqlLiteral(mode) + " order by ButtonIndex",
                     rs, 1))
    return;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const QString text = NullToStr(rs.Value(QStringLiteral("Text")));
    items.push_back({text, text, text, mode, true});
  }
}

void PrivilegeItems::AddStoredItems(const QString& menuId, std::vector<PrivilegeItem>& items) {
  Recordset rs;
  if (!OpenRecordset("select PriName,PriDesc,Mode from tblPrivilegeID where MenuID=" +
                         SqlLiteral(menuId) + " order by Mode",
                     rs, 1))
    return;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const QString name = NullToStr(rs.Value(QStringLiteral("PriName")));
    items.push_back({name, name, NullToStr(rs.Value(QStringLiteral("PriDesc"))),
                     NullToStr(rs.Value(QStringLiteral("Mode"))), false});
  }
}

}  // namespace rd
