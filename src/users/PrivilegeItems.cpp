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

PrivilegeItems PrivilegeItems::Read(const QString& menuId) {
  PrivilegeItems read;
  const QString module = menuId.isEmpty() ? QString() : " where MenuID=" + SqlLiteral(menuId);
  Recordset rs;
  if (OpenRecordset("select MenuID,Mode,Text from tblToolbar" + module +
                        " order by MenuID,Mode,ButtonIndex",
                    rs, 1))
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
      read.toolbarTexts_[(rs.Text(QStringLiteral("MenuID")) + '|' + rs.Text(QStringLiteral("Mode")))
                             .toLower()]
          << rs.Text(QStringLiteral("Text"));
  if (OpenRecordset("select MenuID,PriName,PriDesc,Mode from tblPrivilegeID" + module +
                        " order by MenuID,Mode",
                    rs, 1))
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
      const QString name = rs.Text(QStringLiteral("PriName"));
      read.stored_[rs.Text(QStringLiteral("MenuID")).toLower()].push_back(
          {name, name, rs.Text(QStringLiteral("PriDesc")), rs.Text(QStringLiteral("Mode")), false});
    }
  return read;
}

std::vector<PrivilegeItem> PrivilegeItems::Of(const QString& menuId,
                                              const QString& nodeTag) const {
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
  const std::vector<PrivilegeItem> stored = stored_.value(menuId.toLower());
  items.insert(items.end(), stored.begin(), stored.end());
  return items;
}

void PrivilegeItems::AddStandardBrowse(bool multiRs, std::vector<PrivilegeItem>& items) {
  const QString mode = ModuleNodeTag::ModeName(ModuleNodeTag::Browse);
  for (const StandardButton& button : kBrowseButtons)
    if (multiRs || QLatin1String(button.key) != QLatin1String("View"))
      items.push_back(Automatic(button, mode));
}

void PrivilegeItems::AddCustomRows(const QString& menuId, const QString& mode,
                                   std::vector<PrivilegeItem>& items) const {
  for (const QString& text : toolbarTexts_.value((menuId + '|' + mode).toLower()))
    items.push_back({text, text, text, mode, true});
}

}  // namespace rd
