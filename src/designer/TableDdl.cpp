#include "designer/TableDdl.h"

#include <QRegularExpression>
#include <QStringList>

#include "designer/BareNames.h"

namespace rd {

namespace {
constexpr int kBadName = 1240;
constexpr int kBadType = 1241;
constexpr int kNoLength = 1242;
constexpr int kBadDefault = 1243;
constexpr int kEmptyKey = 1244;
constexpr int kBadAutoNumber = 1245;
constexpr int kReservedName = 1246;
constexpr int kSystemTable = 1247;
constexpr int kServerAutoNumber = 1248;

bool IsVarchar(const QString& type) { return type.compare(QLatin1String("varchar"), Qt::CaseInsensitive) == 0; }

bool IsWholeNumberType(const QString& type) {
  static const QStringList kTypes = {"int", "integer", "bigint", "smallint", "tinyint"};
  return kTypes.contains(type, Qt::CaseInsensitive);
}

// SQLite compares these as SQL Server does: without regard to case.
bool IsTextType(const QString& type) {
  static const QStringList kTypes = {"varchar", "char", "nvarchar", "nchar", "text", "ntext"};
  return kTypes.contains(type, Qt::CaseInsensitive);
}

// SQL Server also takes "(max)" as the size of a type.
bool IsTypeName(const QString& type, bool server) {
  static const QRegularExpression plain(
      QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*(\s*\(\s*\d+\s*(,\s*\d+\s*)?\))?$)"));
  static const QRegularExpression max(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*\s*\(\s*max\s*\)$)"),
                                      QRegularExpression::CaseInsensitiveOption);
  return plain.match(type).hasMatch() || (server && max.match(type).hasMatch());
}

bool IsVarcharLength(const QString& text, bool server) {
  static const QRegularExpression re(QStringLiteral("^\\d+$"));
  return re.match(text).hasMatch() ||
         (server && text.compare(QLatin1String("max"), Qt::CaseInsensitive) == 0);
}

// The types SQL Server gives an IDENTITY: whole numbers, and decimal or
// numeric without decimals.
bool IsServerIdentityType(const QString& type) {
  static const QRegularExpression decimal(
      QStringLiteral(R"(^(decimal|numeric)(\s*\(\s*\d+\s*(,\s*0+\s*)?\))?$)"),
      QRegularExpression::CaseInsensitiveOption);
  return IsWholeNumberType(type) || decimal.match(type).hasMatch();
}

// The server's clock as a default every SQLite connection can compute.
QString SqliteDefault(const QString& value) {
  QString bare = value;
  bare.remove(QLatin1Char(' '));
  if (bare.compare(QLatin1String("getdate()"), Qt::CaseInsensitive) == 0 ||
      bare.compare(QLatin1String("now()"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("datetime('now','localtime')");
  return value;
}

struct Column {
  QString name, type, length, defaultValue;
  bool isKey, isAuto, allowEmpty;
};

TableDdl::Result Refused(int key, const QString& subject, const QString& value = QString()) {
  TableDdl::Result r;
  r.refusal = key;
  r.subject = subject;
  r.value = value;
  return r;
}

QString ServerColumn(const Column& c, bool columnKey) {
  QString s = c.name + ' ' + c.type;
  if (IsVarchar(c.type)) s += " (" + c.length + ')';
  s += ' ';
  s += c.isAuto ? QStringLiteral("IDENTITY(1,1)") : QString();
  s += ' ';
  s += c.allowEmpty ? QStringLiteral("NULL") : QStringLiteral("NOT NULL");
  s += ' ';
  if (!c.defaultValue.isEmpty()) s += " default(" + c.defaultValue + ')';
  s += ' ';
  if (columnKey) s += QStringLiteral("PRIMARY KEY");
  return s;
}

QString SqliteColumn(const Column& c, bool columnKey) {
  if (c.isAuto) return c.name + " INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT";
  QString s = c.name + ' ' + c.type;
  if (IsVarchar(c.type)) s += " (" + c.length + ')';
  if (IsTextType(c.type)) s += QStringLiteral(" COLLATE NOCASE");
  s += c.allowEmpty ? QStringLiteral(" NULL") : QStringLiteral(" NOT NULL");
  if (!c.defaultValue.isEmpty()) s += " default(" + SqliteDefault(c.defaultValue) + ')';
  if (columnKey) s += QStringLiteral(" PRIMARY KEY");
  return s;
}

}  // namespace

bool TableDdl::IsPlainName(const QString& name) {
  static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
  return re.match(name).hasMatch();
}

bool TableDdl::DefaultBreaksOut(const QString& value) {
  QChar quote;
  int depth = 0;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const QChar ch = value[i];
    if (!quote.isNull()) {
      if (ch == quote) quote = QChar();  // a doubled quote closes and opens again
      continue;
    }
    const QChar next = i + 1 < value.size() ? value[i + 1] : QChar();
    if (ch == '\'' || ch == '"')
      quote = ch;
    else if (ch == ';' || (ch == '-' && next == '-') || (ch == '/' && next == '*'))
      return true;
    else if (ch == '(')
      ++depth;
    else if (ch == ')' && --depth < 0)
      return true;
  }
  return !quote.isNull() || depth != 0;
}

TableDdl::Result TableDdl::Create(const std::vector<DesignedColumn>& columns,
                                  const QString& serverType) {
  using BareNames::Place;
  const bool server = serverType == QLatin1String("SQLSERVER");
  const QString table = columns.empty() ? QString() : columns.front().tableName.trimmed();
  if (!IsPlainName(table)) return Refused(kBadName, table, table);
  if (BareNames::IsSystemTable(table)) return Refused(kSystemTable, table, table);
  if (!BareNames::Takes(table, Place::Table, server)) return Refused(kReservedName, table, table);

  std::vector<Column> cols;
  QStringList keys;
  for (const DesignedColumn& d : columns) {
    Column c{d.fieldName.trimmed(), d.fieldType.trimmed(), d.fieldLength.trimmed(),
             d.defaultValue.trimmed(), d.isKey, d.isAuto, d.allowEmpty};
    if (!IsPlainName(c.name)) return Refused(kBadName, c.name, c.name);
    if (!BareNames::Takes(c.name, Place::Column, server))
      return Refused(kReservedName, c.name, c.name);
    if (!IsTypeName(c.type, server) || !BareNames::Takes(c.type, Place::Type, server))
      return Refused(kBadType, c.name, c.type);
    if (IsVarchar(c.type) && !IsVarcharLength(c.length, server))
      return Refused(kNoLength, c.name, c.length);
    if (DefaultBreaksOut(c.defaultValue)) return Refused(kBadDefault, c.name, c.defaultValue);
    if (c.isKey && c.allowEmpty) return Refused(kEmptyKey, c.name);
    if (c.isKey) keys << c.name;
    cols.push_back(c);
  }
  int autoNumbers = 0;
  for (const Column& c : cols) {
    if (!c.isAuto) continue;
    // SQL Server takes one IDENTITY of any key shape; SQLite's auto number is the key.
    if (server && (++autoNumbers > 1 || !IsServerIdentityType(c.type) || !c.defaultValue.isEmpty()))
      return Refused(kServerAutoNumber, c.name);
    if (!server && (!c.isKey || keys.size() > 1 || !IsWholeNumberType(c.type) ||
                    !c.defaultValue.isEmpty()))
      return Refused(kBadAutoNumber, c.name);
  }

  // One key goes with its column; several make one table-level key.
  const bool columnKey = keys.size() == 1;
  QStringList parts;
  for (const Column& c : cols)
    parts << (server ? ServerColumn(c, columnKey && c.isKey) : SqliteColumn(c, columnKey && c.isKey));
  if (keys.size() > 1) parts << "PRIMARY KEY(" + keys.join(',') + ')';
  Result r;
  r.statement = "CREATE TABLE " + table + '(' + parts.join(',') + ')';
  return r;
}

}  // namespace rd
