#include "designer/RecordsetColumns.h"

#include <array>

namespace rd {

namespace {
constexpr std::array<const char*, RecordsetColumns::kCount> kNames = {
    "ID",           "RsName",        "SelectSQL",    "WhereArea",   "OrderArea",
    "InsertSQL",    "UpdateSQL",     "DeleteSQL",    "PrintLines",  "Field",
    "ControlType",  "Language",      "IsKey",        "IsShow",      "IsReadOnly",
    "IsInput",      "InputRange",    "InputExp",     "MaxLength",   "DefaultValue",
    "DisplayFormat", "SaveFormat",   "OptionRs",     "ReturnField", "TotalSQL",
    "TotalFormat",  "TotalLanguage", "Calculate",    "IsBillID",    "CustomBillID",
    "SpecField",    "GridCalculate"};
}  // namespace

QString RecordsetColumns::Name(int column) {
  if (column < 1 || column > kCount) return QString();
  return QString::fromLatin1(kNames[size_t(column - 1)]);
}

QString RecordsetColumns::SelectAll() {
  QStringList names;
  for (int c = 1; c <= kCount; ++c)
    names << (c == kLanguage ? '[' + Name(c) + ']' : Name(c));
  return "select " + names.join(',') + " from tblRecordset";
}

bool RecordsetColumns::IsFlag(int column) {
  return column == kIsKey || column == kIsShow || column == kIsReadOnly || column == kIsInput ||
         column == kIsBillID;
}

bool RecordsetColumns::FlagSet(const QString& cell) {
  const QString t = cell.trimmed();
  return !t.isEmpty() && t != QLatin1String("0") &&
         t.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

}  // namespace rd
