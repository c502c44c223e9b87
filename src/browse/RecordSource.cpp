#include "browse/RecordSource.h"

#include <QRegularExpression>

#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/db/Recordset.h"

namespace rd {

bool RecordSource::OpenFieldRows(const QString& rsName, Recordset& rs, bool orderById) {
  return OpenRecordset("select * from tblRecordset where RsName=" + SqlLiteral(rsName) +
                           (orderById ? " order by ID" : ""),
                       rs, 1);
}

bool RecordSource::Load(const QString& rsName, bool* missing) {
  if (missing) *missing = false;
  Recordset rs;
  if (!OpenFieldRows(rsName, rs)) return false;
  if (rs.Eof()) {
    if (missing) *missing = true;
    return false;
  }
  selectSQL_ = NullToStr(rs.Value("SelectSQL"));
  whereArea_ = NullToStr(rs.Value("WhereArea"));
  orderArea_ = NullToStr(rs.Value("OrderArea"));
  deleteSQL_ = NullToStr(rs.Value("DeleteSQL"));
  bool ok = false;
  const int lines = NullToStr(rs.Value("PrintLines")).trimmed().toInt(&ok);
  printLines_ = ok && lines > 0 ? lines : 1;
  fields_.clear();
  for (; !rs.Eof(); rs.MoveNext()) {
    FieldRow f;
    f.caption = NullToStr(rs.Value("Language"));
    f.isShow = VariantToBoolean(rs.Value("IsShow"));
    f.totalSQL = NullToStr(rs.Value("TotalSQL")).trimmed();
    f.totalFormat = NullToStr(rs.Value("TotalFormat")).trimmed();
    f.totalLanguage = NullToStr(rs.Value("TotalLanguage")).trimmed();
    fields_.push_back(f);
  }
  return true;
}

QString RecordSource::ApplyFilter(const QString& whereArea, const QString& filter) {
  if (filter.trimmed().isEmpty()) return whereArea;
  const QString bracketed = '(' + filter + ')';
  const QString stored = whereArea.trimmed();
  if (stored.isEmpty()) return " WHERE " + bracketed;
  static const QRegularExpression where(QStringLiteral("^where\\b\\s*"),
                                        QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch m = where.match(stored);
  if (!m.hasMatch()) return whereArea + " AND " + bracketed;
  return "WHERE (" + stored.mid(m.capturedLength()) + ") AND " + bracketed;
}

QString RecordSource::Query(const QString& selectSQL, const QString& whereArea,
                            const QString& orderArea) {
  return selectSQL + ' ' + whereArea + ' ' + orderArea;
}

}  // namespace rd
