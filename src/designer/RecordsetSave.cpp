#include "designer/RecordsetSave.h"

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "designer/RecordsetColumns.h"

namespace rd {

namespace {
using C = RecordsetColumns;

const QString kInsert = QStringLiteral(
    "insert into tblRecordset(RsName,SelectSQL,WhereArea,OrderArea,InsertSQL,UpdateSQL,"
    "DeleteSQL,PrintLines,Field,ControlType,[Language],IsKey,IsShow,IsReadOnly,IsInput,"
    "InputRange,InputExp,MaxLength,DefaultValue,DisplayFormat,SaveFormat,OptionRs,ReturnField,"
    "TotalSQL,TotalFormat,TotalLanguage,Calculate,IsBillID,CustomBillID,GridCalculate,SpecField) "
    "values(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");

// Empty text is stored as NULL.
QVariant Stored(const QString& text) { return text.isEmpty() ? QVariant() : QVariant(text); }
}  // namespace

bool RecordsetSave::Exists(const QString& name) {
  QueryResult result;
  return DbConnection &&
         DbConnection->Query("select count(*) from tblRecordset where RsName=" +
                                 SqlLiteral(name.trimmed()),
                             &result) &&
         result.Cell(0, 0).toInt() > 0;
}

QVariantList RecordsetSave::Values(const Source& source, const QStringList& cells) {
  QVariantList values;
  for (const QString* text :
       {&source.name, &source.selectSQL, &source.whereArea, &source.orderArea, &source.insertSQL,
        &source.updateSQL, &source.deleteSQL, &source.printLines})
    values << Stored(text->trimmed());
  for (int c = C::kField; c <= C::kCustomBillID; ++c) {
    const QString cell = cells.value(c).trimmed();
    values << Stored(C::IsFlag(c) ? C::FlagText(cell) : cell);
  }
  values << Stored(source.gridCalculate) << Stored(cells.value(C::kSpecField).trimmed());
  return values;
}

bool RecordsetSave::Save(const Source& source, const std::vector<QStringList>& fields,
                         QString* error) {
  if (!ConnectionOrError(error)) return false;
  Connection& db = *DbConnection;
  Transaction transaction(db);
  bool ok = transaction.Started() &&
            db.ExecuteBound(QStringLiteral("delete from tblRecordset where RsName=?"),
                            {Stored(source.name.trimmed())});
  for (size_t i = 0; ok && i < fields.size(); ++i)
    ok = db.ExecuteBound(kInsert, Values(source, fields[i]));
  if (ok && transaction.Commit()) return true;
  *error = db.LastError();
  return false;
}

}  // namespace rd
