#include "expressions/clsCalculate.h"

#include <QHash>

#include "core/Globals.h"
#include "core/SystemTables.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/EditorFields.h"
#include "platform/format/Format.h"
#include "platform/ui/Ui.h"

namespace rd {

namespace {

constexpr int kCellNotNumber = 1230;
constexpr int kValueUnreadable = 1291;

using Method = QString (clsCalculate::*)(const TagCall&);

const QHash<QString, Method>& methods() {
  static const QHash<QString, Method> table = {
      {"getdbvalue", &clsCalculate::GetDBValue},
      {"getformvalue", &clsCalculate::GetFormValue},
      {"getautovalue", &clsCalculate::GetAutoValue},
      {"getdtvalue", &clsCalculate::GetDTValue},
      {"getdefaultvalue", &clsCalculate::GetDefaultValue},
      {"getformatvalue", &clsCalculate::GetFormatValue},
      {"getgridcolsum", &clsCalculate::GetGridColSum},
      {"getsysinfo", &clsCalculate::GetSysInfo},
  };
  return table;
}

void billNumberError(const QString& rsName, const QString& field, const QString& detail) {
  MsgBox(ReplaceParams(GetLangString(1207), {rsName, field, detail}),
         MsgIcon::Critical, MsgButtons::OkOnly, AppTitle);
}

// CurrID of the pair: nothing when the row is missing; false when it is
// not a whole number (null counts 0).
bool readCurrID(const QString& rsName, const QString& field, std::optional<qint64>* currID,
                QString* error) {
  QueryResult rows;
  if (!DbConnection->Query("select CurrID from tblBillID where RsName=" + SqlLiteral(rsName) +
                               " and RsField=" + SqlLiteral(field),
                           &rows)) {
    *error = DbConnection->LastError();
    return false;
  }
  if (rows.rowCount() == 0) {
    currID->reset();
    return true;
  }
  const QVariant value = rows.Cell(0, 0);
  if (value.isNull()) {
    *currID = 0;
    return true;
  }
  bool ok = false;
  const qint64 n = value.toString().trimmed().toLongLong(&ok);
  if (!ok || n < 0) {
    *error = QStringLiteral("CurrID is not a whole number (%1)").arg(value.toString());
    return false;
  }
  *currID = n;
  return true;
}

QString formatNumber(qint64 n, const QString& format) {
  if (format.isEmpty()) return QString::number(n);
  return Format(VbValue::Double(double(n)), format);
}

}  // namespace

QString clsCalculate::GetDBValue(const TagCall& call) {
  // In a format position 1 is what the user typed: it is passed through,
  // never run.
  if (call.context == TagCall::Context::Format) return call.current;
  const QString sql = call.Text(1).value_or(QString());
  if (sql.trimmed().isEmpty() || !DbConnection) return QString();
  const Connection::BoundedRead bound(DbConnection.get(), Connection::ReadKind::Lookup);
  Recordset rs;
  if (call.valueOf.isEmpty()) {
    if (!OpenRecordset(sql, rs)) return QString();
  } else if (!rs.Open(sql, *DbConnection)) {
    failed_ = true;
    const QString reason = ReadFailureText();
    if (!reason.isEmpty())
      MsgBox(ReplaceParams(GetLangString(kValueUnreadable), {call.valueOf, call.expression, reason}),
             MsgIcon::Critical, MsgButtons::OkOnly,
             call.Window() ? call.Window()->Caption() : AppTitle);
    return QString();
  }
  if (rs.Eof() || rs.FieldCount() == 0) return QString();
  return NullToStr(rs.Fields(0).Value);
}

QString clsCalculate::GetFormValue(const TagCall& call) {
  const EditorFields* window = call.Window();
  const auto name = call.Text(1);
  if (!window || !name) return QString();
  const FieldDef* field = window->FindField(*name);
  if (!field || field->kind == ControlKind::Other) return QString();
  return window->Value(*field);
}

QString clsCalculate::GetAutoValue(const TagCall& call) {
  const auto rsName = call.Text(1), field = call.Text(2), commit = call.Text(3),
             format = call.Text(4);
  if (!rsName || !field || !commit || !format || !DbConnection) return QString();
  if (!CheckSystemTables({QStringLiteral("tblBillID")})) return QString();
  QString error;
  std::optional<qint64> currID;
  if (*commit != QLatin1String("True")) {
    if (!readCurrID(*rsName, *field, &currID, &error)) {
      billNumberError(*rsName, *field, error);
      return QString();
    }
    return formatNumber(currID.value_or(0) + 1, *format);
  }
  // The increment comes first so that the row stays locked until the
  // caller's save ends: no two copies of the program take the same number.
  Transaction transaction(*DbConnection);
  int rows = 0;
  bool ok = transaction.Started() && readCurrID(*rsName, *field, &currID, &error) &&
            DbConnection->ExecuteBound(
                "update tblBillID set CurrID=coalesce(CurrID,0)+1 where RsName=? and RsField=?",
                {*rsName, *field}, &rows);
  if (ok && rows == 0)
    ok = DbConnection->ExecuteBound(
        "insert into tblBillID(RsName,RsField,CurrID) values(?,?,1)", {*rsName, *field});
  if (!ok) error = DbConnection->LastError();
  if (ok) ok = readCurrID(*rsName, *field, &currID, &error) && currID.has_value();
  if (!ok || !transaction.Commit()) {
    billNumberError(*rsName, *field, error.isEmpty() ? DbConnection->LastError() : error);
    return QString();
  }
  return formatNumber(*currID, *format);
}

QString clsCalculate::GetDTValue(const TagCall& call) {
  const auto format = call.Text(4);
  if (!format) return QString();
  return Format(VbValue(GetServerDate(ServerType)), *format);
}

QString clsCalculate::GetDefaultValue(const TagCall& call) {
  QString text = call.Text(1).value_or(QString());
  if (text.contains(QLatin1String("now()"), Qt::CaseInsensitive))
    text.replace(QLatin1String("now()"), GetServerDate(ServerType), Qt::CaseInsensitive);
  return text;
}

QString clsCalculate::GetFormatValue(const TagCall& call) {
  const auto value = call.Text(1), format = call.Text(2);
  if (!value || !format) return QString();
  return Format(VbValue(*value), *format);
}

QString clsCalculate::GetGridColSum(const TagCall& call) {
  const EditorFields* window = call.Window();
  const auto key = call.Text(1);
  if (!window || !key) return QString();
  int column = -1;
  for (int j = 0; j < window->GridCols() && column < 0; ++j)
    if (window->GridColKey(j).compare(*key, Qt::CaseInsensitive) == 0) column = j;
  double sum = 0;
  if (column >= 0) {
    for (int i = 1; i < window->GridRows(); ++i) {
      const QString text = window->GridTextMatrix(i, column);
      double cell = 0;
      if (text.trimmed().isEmpty()) continue;
      if (!VbValue::TextToNumber(text, &cell)) {
        MsgBox(ReplaceParams(GetLangString(kCellNotNumber), {*key, QString::number(i), text}),
               MsgIcon::Exclamation, MsgButtons::OkOnly, window->Caption());
        failed_ = true;
        return QString();
      }
      sum += cell;
    }
  }
  return VbValue::NumberText(sum);
}

QString clsCalculate::GetSysInfo(const TagCall& call) {
  const auto key = call.Text(1);
  if (!call.Window() || !key) return QString();
  if (key->toLower() == QLatin1String("username") && UserInfo) return UserInfo->LoginUser;
  return QString();
}

QString clsCalculate::CallByName(const QString& name, const TagCall& call, bool* known) {
  const auto it = methods().constFind(name.toLower());
  if (known) *known = it != methods().constEnd();
  failed_ = false;
  if (it == methods().constEnd()) return QString();
  return (this->*it.value())(call);
}

bool clsCalculate::HasFunction(const QString& name) { return methods().contains(name.toLower()); }

}  // namespace rd
