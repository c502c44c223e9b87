#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// The 32 columns of tblRecordset in the order the record source editor
// reads them. Grid column c (from 1) of that editor holds column c here.
class RecordsetColumns {
 public:
  static constexpr int kCount = 32;
  static constexpr int kPrintLines = 9;
  static constexpr int kField = 10;
  static constexpr int kControlType = 11;
  static constexpr int kLanguage = 12;
  static constexpr int kIsKey = 13;
  static constexpr int kIsShow = 14;
  static constexpr int kIsReadOnly = 15;
  static constexpr int kIsInput = 16;
  static constexpr int kInputRange = 17;
  static constexpr int kInputExp = 18;
  static constexpr int kMaxLength = 19;
  static constexpr int kDefaultValue = 20;
  static constexpr int kDisplayFormat = 21;
  static constexpr int kSaveFormat = 22;
  static constexpr int kOptionRs = 23;
  static constexpr int kReturnField = 24;
  static constexpr int kTotalSQL = 25;
  static constexpr int kTotalFormat = 26;
  static constexpr int kTotalLanguage = 27;
  static constexpr int kCalculate = 28;
  static constexpr int kIsBillID = 29;
  static constexpr int kCustomBillID = 30;
  static constexpr int kSpecField = 31;
  static constexpr int kGridCalculate = 32;

  // The column name of grid column c (1 to kCount), unbracketed.
  static QString Name(int column);
  // "select ID,RsName,...,GridCalculate from tblRecordset".
  static QString SelectAll();
  static bool IsFlag(int column);
  // A flag cell is cleared when it is empty, "0" or "False" (any case).
  static bool FlagSet(const QString& cell);
  static QString FlagText(const QString& cell) {
    return FlagSet(cell) ? QStringLiteral("1") : QStringLiteral("0");
  }
};

}  // namespace rd
