#include "browse/BillCopy.h"

#include <QDateTime>
#include <algorithm>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/EditorFields.h"
#include "platform/db/Recordset.h"

namespace rd {

namespace {

constexpr int kValueRefused = 1225;

QString AuditDate() {
  const QString server = GetServerDate(ServerType);
  QDateTime when = QDateTime::fromString(server, Qt::ISODate);
  if (!when.isValid()) when = QDateTime::fromString(server, QStringLiteral("yyyy-MM-dd hh:mm:ss"));
  return when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) : server;
}

bool HasColumns(const Recordset& rs, const BillCopy::Pairs& pairs, QString* error) {
  for (const auto& [target, source] : pairs) {
    if (rs.FieldIndex(source) < 0) {
      *error = ReplaceParams(GetLangString(1219), {source});
      return false;
    }
  }
  return true;
}

}  // namespace

QString BillCopy::ReplacePlaceholder(const QString& sql, const QString& key, const QString& value) {
  if (key.isEmpty()) return sql;
  // The picked value is data: its quotes are doubled so it cannot end a
  // quoted text of the statement.
  QString quoted = value;
  quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
  QString out = sql;
  return out.replace(QLatin1Char('@') + key, quoted, Qt::CaseInsensitive);
}

std::optional<BillCopy::Pairs> BillCopy::ParseMapping(const QString& mapping, QString* error) {
  Pairs pairs;
  for (const QString& piece : mapping.split(QLatin1Char(';'))) {
    if (piece.trimmed().isEmpty()) continue;
    const int eq = piece.indexOf(QLatin1Char('='));
    if (eq < 0) {
      *error = ReplaceParams(GetLangString(1220), {piece});
      return std::nullopt;
    }
    pairs.emplace_back(piece.left(eq).trimmed(), piece.mid(eq + 1).trimmed());
  }
  return pairs;
}

std::optional<BillCopy> BillCopy::Read(const QString& parameter1, const QString& key,
                                       const QString& picked, const QString& buttonTag,
                                       const QStringList& gridKeys, bool hasGrid,
                                       QString* error) {
  error->clear();
  // Split first: a ";" in the picked value is data, not a query boundary.
  const QStringList queries = parameter1.split(QLatin1Char(';'));
  if (queries.size() < 3) {
    *error = GetLangString(1221);
    return std::nullopt;
  }
  const QStringList tag = buttonTag.split(QLatin1Char('|'));
  const auto headerPairs = ParseMapping(tag.value(2), error);
  if (!headerPairs) return std::nullopt;
  const auto detailPairs = ParseMapping(tag.value(3), error);
  if (!detailPairs) return std::nullopt;

  BillCopy copy;
  Recordset rs;
  if (!OpenRecordset(ReplacePlaceholder(queries[1], key, picked), rs)) return std::nullopt;
  if (rs.Eof()) {
    *error = GetLangString(1222);
    return std::nullopt;
  }
  if (!HasColumns(rs, *headerPairs, error)) return std::nullopt;
  for (const auto& [target, source] : *headerPairs)
    copy.header_.emplace_back(target, NullToStr(rs.Value(source)));

  copy.copiesDetail_ = !detailPairs->empty();
  Recordset detail;
  if (!OpenRecordset(ReplacePlaceholder(queries[2], key, picked), detail) && copy.copiesDetail_)
    return std::nullopt;
  if (!copy.copiesDetail_) return copy;
  if (!hasGrid) {
    *error = GetLangString(1223);
    return std::nullopt;
  }
  if (!HasColumns(detail, *detailPairs, error)) return std::nullopt;

  const QString user = UserInfo ? UserInfo->LoginUser : QString();
  const bool needsDate = std::any_of(gridKeys.begin(), gridKeys.end(), [](const QString& k) {
    return k.toLower() == QLatin1String("creationdate");
  });
  const QString now = needsDate ? AuditDate() : QString();
  for (detail.MoveFirst(); !detail.Eof(); detail.MoveNext()) {
    QStringList cells(gridKeys.size());
    for (int col = 1; col < gridKeys.size(); ++col) {
      const QString lower = gridKeys[col].toLower();
      for (const auto& [target, source] : *detailPairs) {
        if (gridKeys[col].compare(target, Qt::CaseInsensitive) == 0)
          cells[col] = NullToStr(detail.Value(source));
        else if (lower == QLatin1String("createdby"))
          cells[col] = user;
        else if (lower == QLatin1String("creationdate"))
          cells[col] = now;
      }
    }
    copy.detailRows_.push_back(cells);
  }
  return copy;
}

bool BillCopy::ApplyHeader(EditorFields& fields, QString* error) const {
  std::vector<std::pair<FieldDef, QString>> before;  // each field written, its old value
  for (int label = 1; label < fields.LabelCount(); ++label) {
    const FieldDef field = FieldDef::FromTag(label, fields.LabelTag(label));
    if (field.kind == ControlKind::Other) continue;
    const auto pair = std::find_if(header_.begin(), header_.end(), [&](const auto& p) {
      return p.first.compare(field.Field(), Qt::CaseInsensitive) == 0;
    });
    if (pair == header_.end()) continue;
    before.emplace_back(field, fields.Value(field));
    const QString& value = pair->second;
    if (!fields.SetValue(field, value)) {
      for (auto it = before.rbegin(); it != before.rend(); ++it)
        fields.SetValue(it->first, it->second);
      *error = ReplaceParams(GetLangString(kValueRefused), {field.Field(), value});
      return false;
    }
  }
  return true;
}

}  // namespace rd
