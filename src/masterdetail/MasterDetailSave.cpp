#include "masterdetail/MasterDetailSave.h"

#include "browse/RecordSource.h"

#include "core/modCommon.h"
#include "core/Globals.h"
#include "core/modDatabase.h"
#include "expressions/EditorFields.h"
#include "platform/db/QueryResult.h"
#include "platform/db/Recordset.h"

namespace rd {

namespace {
constexpr int kRecordGone = 1216;

bool readTemplates(const QString& rsName, const char* first, const char* second, QString* a,
                   QString* b, QString* error) {
  Recordset rs;
  if (!RecordSource::OpenFieldRows(rsName, rs))
    return false;
  if (rs.Eof()) {
    *error = ReplaceParams(GetLangString(1212), {rsName});
    return false;
  }
  *a = NullToStr(rs.Value(QLatin1String(first)));
  if (b) *b = NullToStr(rs.Value(QLatin1String(second)));
  return true;
}
}  // namespace

bool MasterDetailSave::LoadTemplates(const QString& rsName, const QString& rsName2, int editMode,
                                     QString* error) {
  error->clear();
  return readTemplates(rsName, editMode != 0 ? "UpdateSQL" : "InsertSQL", nullptr, &master_,
                       nullptr, error) &&
         readTemplates(rsName2, "InsertSQL", "DeleteSQL", &detailInsert_, &detailDelete_, error);
}

bool MasterDetailSave::run(const QString& sql, QString* error, int* rowsAffected) {
  if (ExecuteSQL(sql, error, rowsAffected)) return true;
  if (error && error->isEmpty()) *error = DbConnection ? DbConnection->LastError() : QString();
  return false;
}

bool MasterDetailSave::runBound(const RepeatedSQL& statement, const QVariantList& values,
                                QString* error) {
  if (statement.Execute(values, error)) return true;
  if (error && error->isEmpty()) *error = DbConnection ? DbConnection->LastError() : QString();
  return false;
}

bool MasterDetailSave::readNewId(QString* id, QString* error) {
  QueryResult result;
  const QString sql = DbConnection->IsSqlite() ? QStringLiteral("select last_insert_rowid()")
                                               : QStringLiteral("select @@IDENTITY");
  if (!DbConnection->Query(sql, &result) || result.rowCount() == 0) {
    *error = DbConnection->LastError();
    return false;
  }
  *id = result.Text(0, 0);
  return true;
}

bool MasterDetailSave::Write(const SqlTemplate::Values& master, int editMode, Link link,
                             const EditorFields& rows, QString* error) {
  if (!DbConnection) return false;
  int changed = -1;
  if (!run(SqlTemplate::Fill(master_, master), error, &changed)) return false;
  if (editMode != 0 && changed == 0) {
    *error = GetLangString(kRecordGone);
    return false;
  }
  if (editMode == 0 && link.masterField.compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0 &&
      !readNewId(&link.value, error))
    return false;
  if (editMode != 0 &&
      !run(SqlTemplate::Fill(detailDelete_, {{link.detailField, link.storedValue}}), error))
    return false;

  // The relation value comes first, so that it wins over a grid column of
  // the same name.
  QStringList names{link.detailField};
  for (int i = 1; i < rows.GridCols(); ++i) names << rows.GridColKey(i);
  const SqlTemplate insert(detailInsert_, names);
  const bool bound = DbConnection->CanRepeat();
  // Lines whose values all bind run the one statement; any other line
  // runs a statement of its own.
  const RepeatedSQL shared(insert.Shared());
  QStringList values;
  values.reserve(names.size());
  QVariantList sharedValues;
  const int count = rows.GridRows();
  for (int j = 1; j < count; ++j) {
    values.clear();
    values << link.value;
    for (int i = 1; i < rows.GridCols(); ++i) values << rows.GridTextMatrix(j, i);
    bool ok;
    if (!bound) {
      ok = run(insert.Fill(values), error);
    } else if (insert.BindShared(values, &sharedValues)) {
      ok = runBound(shared, sharedValues, error);
    } else {
      const SqlTemplate::Bound own = insert.Bind(values);
      ok = runBound(RepeatedSQL(own.sql), own.values, error);
    }
    if (!ok) return false;
  }
  return true;
}

}  // namespace rd
