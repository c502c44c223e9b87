#include "designer/ModuleStore.h"

#include <QHash>
#include <QSet>

#include "core/Globals.h"
#include "core/ModuleRelation.h"
#include "core/modDatabase.h"
#include "platform/db/Connection.h"
#include "platform/db/QueryResult.h"

namespace rd {

namespace {

const QString kToolbarColumns = QStringLiteral(
    "select ID,MenuID,ButtonType,Text,ToolTipText,Image,ButtonFunction,Parameter1,Parameter2,"
    "Parameter3 from tblToolbar");

// A value through SqlStr, between quotes: empty text is stored as NULL.
QString NullableValue(const QString& text) { return "'" + SqlStr(text) + "'"; }

QString MenuInsert(const ModuleDefinition& m) {
  QStringList values = {SqlStr(m.id),     SqlStr(m.menuIndex), SqlStr(m.language),
                        SqlStr(m.parent), SqlStr(m.rsName),    SqlStr(m.rsName2),
                        SqlStr(m.relation), SqlStr(m.formTemplateName)};
  for (const QString& kind : m.toolbarKinds) values << kind;
  return QStringLiteral(
             "insert into tblMenu(ID,MenuIndex,[Language],Parent,RsName,RsName2,Relation,"
             "FormTemplateName,BrowseToolbar,ViewToolbar,AddToolbar,ModifyToolbar) values('") +
         values.join(QStringLiteral("','")) + "')";
}

// Button type, key, tooltip, image and function are never NULL: the
// toolbar builder reads them as text.
QString ToolbarInsert(const QString& menuId, const ToolbarRow& row, int buttonIndex,
                      const QString& mode) {
  const QStringList values = {NullableValue(menuId),
                              SqlLiteral(row.buttonType),
                              SqlLiteral(row.text),
                              SqlLiteral(row.toolTipText),
                              SqlLiteral(row.image),
                              SqlLiteral(row.buttonFunction),
                              QString::number(buttonIndex),
                              SqlLiteral(mode),
                              NullableValue(row.parameter1),
                              NullableValue(row.parameter2),
                              NullableValue(row.parameter3)};
  return QStringLiteral(
             "insert into tblToolbar(MenuID,ButtonType,Text,ToolTipText,Image,ButtonFunction,"
             "ButtonIndex,Mode,Parameter1,Parameter2,Parameter3) values(") +
         values.join(',') + ")";
}

bool SameId(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// True when walking up from parent reaches the module.
bool ParentIsBelow(const QString& parent, const QStringList& moduleIds,
                   const QHash<QString, QString>& parentOf) {
  QSet<QString> visited;
  QString current = parent;
  while (!current.isEmpty() && current != QLatin1String("0")) {
    for (const QString& id : moduleIds)
      if (SameId(current, id)) return true;
    const QString key = current.toLower();
    if (visited.contains(key) || !parentOf.contains(key)) return false;
    visited.insert(key);
    current = parentOf.value(key);
  }
  return false;
}

}  // namespace

ModuleStore::Refusal ModuleStore::Check(const ModuleDefinition& module, const QString& loadedId,
                                        QString* error) {
  if (module.id.trimmed().isEmpty()) return Refusal::EmptyId;
  if (!module.relation.trimmed().isEmpty() && !ModuleRelation::Parse(module.relation))
    return Refusal::BadRelation;
  Recordset rs;
  if (!DbConnection || !rs.Open(QStringLiteral("select ID,Parent from tblMenu"), *DbConnection)) {
    if (error) *error = DbConnection ? rs.LastError() : QString();
    return Refusal::Unreadable;
  }
  QHash<QString, QString> parentOf;  // lower-case ID -> parent
  for (; !rs.Eof(); rs.MoveNext())
    parentOf.insert(NullToStr(rs.Fields(0).Value).toLower(), NullToStr(rs.Fields(1).Value));
  const bool sameModule = !loadedId.isEmpty() && SameId(module.id, loadedId);
  if (!sameModule && parentOf.contains(module.id.toLower())) return Refusal::IdInUse;
  QStringList moduleIds = {module.id};
  if (!loadedId.isEmpty()) moduleIds << loadedId;
  if (ParentIsBelow(module.parent, moduleIds, parentOf)) return Refusal::Cycle;
  return Refusal::None;
}

namespace {

// The menu ID a privilege key belongs to: the longest ID that is the key
// or that the key starts with, followed by "-" (a button's "ID-Key-Mode").
QString OwnerOf(const QString& key, const QueryResult& menuIds) {
  QString owner;
  for (int r = 0; r < menuIds.rowCount(); ++r) {
    const QString id = menuIds.Text(r, 0);
    if (id.size() <= owner.size() || id.isEmpty()) continue;
    if (SameId(key, id) || (key.startsWith(id, Qt::CaseInsensitive) && key.size() > id.size() &&
                            key[id.size()] == QLatin1Char('-')))
      owner = id;
  }
  return owner;
}

// Gives the module's privileges (its own key and its buttons' keys) and
// its privilege items the new ID, so that a rename takes no right away. Run before the menu rows
// change, inside the save's transaction.
bool RenamePrivileges(const QString& oldId, const QString& newId, QString* error) {
  Connection& db = *DbConnection;
  QueryResult menuIds, grants;
  bool ok = db.Query(QStringLiteral("select ID from tblMenu"), &menuIds) &&
            db.Query(QStringLiteral("select UserName,ModuleID from tblPrivilege"), &grants);
  for (int r = 0; ok && r < grants.rowCount(); ++r) {
    const QString key = grants.Text(r, 1);
    if (!SameId(OwnerOf(key, menuIds), oldId)) continue;
    ok = db.ExecuteBound(
        QStringLiteral("update tblPrivilege set ModuleID=? where UserName=? and ModuleID=?"),
        {newId + key.mid(oldId.size()), grants.Cell(r, 0), key});
  }
  // The module's own privilege items follow it as well.
  ok = ok && db.ExecuteBound(QStringLiteral("update tblPrivilegeID set MenuID=? where MenuID=?"),
                             {newId, oldId});
  if (!ok && error) *error = db.LastError();
  return ok;
}

}  // namespace

bool ModuleStore::Save(const ModuleDefinition& module, const QString& loadedId, QString* error) {
  if (!DbConnection) return false;
  QStringList statements;
  if (!loadedId.isEmpty())
    statements << "delete from tblMenu where ID='" + SqlStr(loadedId) + "'";
  statements << MenuInsert(module);
  statements << "delete from tblToolbar where MenuID='" + SqlStr(module.id) + "'";
  if (!loadedId.isEmpty() && !SameId(loadedId, module.id)) {
    statements << "delete from tblToolbar where MenuID='" + SqlStr(loadedId) + "'";
    // The entries below a renamed one stay below it.
    statements << "update tblMenu set Parent='" + SqlStr(module.id) + "' where Parent='" +
                      SqlStr(loadedId) + "'";
  }
  for (int mode = 0; mode < kToolbarModeCount; ++mode) {
    const std::vector<ToolbarRow>& rows = module.buttons[mode];
    for (size_t r = 0; r < rows.size(); ++r)
      statements << ToolbarInsert(module.id, rows[r], int(r) + 1,
                                  QString::fromLatin1(kToolbarModes[mode]));
  }
  Transaction transaction(*DbConnection);
  if (!transaction.Started()) {
    if (error) *error = DbConnection->LastError();
    return false;
  }
  if (!loadedId.isEmpty() && !SameId(loadedId, module.id) &&
      !RenamePrivileges(loadedId, module.id, error))
    return false;
  for (const QString& sql : statements)
    if (!ExecuteSQL(sql, error)) return false;
  if (!transaction.Commit()) {
    if (error) *error = DbConnection->LastError();
    return false;
  }
  return true;
}

QString ModuleStore::ToolbarQuery(const QString& menuId, const QString& mode) {
  return kToolbarColumns + " where MenuID=" + SqlLiteral(menuId) + " and mode=" +
         SqlLiteral(mode) + " order by ButtonIndex";
}

QString ModuleStore::EmptyToolbarQuery() { return kToolbarColumns + " where 1=0"; }

}  // namespace rd
