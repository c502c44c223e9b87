#pragma once
#include <QDateTime>
#include <QString>
#include <QVariant>

namespace rd {

// A script value (Variant) with the subtypes and conversions of the script
// language. Conversions that can fail take an `error` out parameter that
// receives a VbError number (Type mismatch, Overflow, Invalid use of Null)
// and leave it untouched on success.
class VbValue {
 public:
  enum class Type { Empty, Null, Boolean, Byte, Integer, Long, Single, Double, Currency, Date, String };

  VbValue() = default;
  VbValue(const QString& text) : type_(Type::String), text_(text) {}
  VbValue(const char* text) : type_(Type::String), text_(QString::fromUtf8(text)) {}
  VbValue(int number) : type_(Type::Long), int_(number) {}
  VbValue(double number) : type_(Type::Double), double_(number) {}
  VbValue(bool) = delete;  // use Boolean(): a bool must not turn into a number

  static VbValue Null() { return VbValue(Type::Null); }
  static VbValue Boolean(bool value);
  static VbValue Byte(int value);     // 0..255 expected
  static VbValue Integer(int value);  // 16-bit range expected
  static VbValue Long(int value);
  static VbValue Single(float value);
  static VbValue Double(double value);
  static VbValue Currency(double value);          // rounded to 4 decimals
  static VbValue CurrencyScaled(qint64 scaled);   // value * 10000
  static VbValue Date(double serial);
  static VbValue Date(const QDateTime& dateTime);
  static VbValue String(const QString& text) { return VbValue(text); }

  // A database value: null gives Null, dates give Date, numbers their type.
  static VbValue FromVariant(const QVariant& value);
  // The text of an input field as one operand, read the way the same text
  // written into an expression reads: empty gives Null, a number gives a
  // number typed as the literal would be (Integer, Long or Double), other
  // text a String.
  static VbValue FromOperandText(const QString& text);

  Type type() const { return type_; }
  bool IsEmpty() const { return type_ == Type::Empty; }
  bool IsNull() const { return type_ == Type::Null; }
  bool IsString() const { return type_ == Type::String; }
  bool IsNumericType() const;  // Boolean, the number types and Date
  QString TypeName() const;
  int VarType() const;  // the language's VarType number

  double ToDouble(int* error = nullptr) const;
  int ToLong(int* error = nullptr) const;     // rounded half to even; Overflow outside 32 bits
  int ToInteger(int* error = nullptr) const;  // same, 16 bits
  qint64 ToCurrencyScaled(int* error = nullptr) const;
  bool ToBoolean(int* error = nullptr) const;
  double ToDate(int* error = nullptr) const;  // serial; text parsed as a date
  QString ToText(int* error = nullptr) const; // as CStr: Null is an error
  QDateTime ToDateTime(int* error = nullptr) const { return dateTimeOf(ToDate(error)); }

  // Raw storage for the evaluator's fast paths.
  qint64 RawInteger() const { return int_; }
  double RawDouble() const { return double_; }
  const QString& RawText() const { return text_; }

  // The numeric-text rule (IsNumeric): blanks around, a sign, digits with
  // one point, an exponent, or &H / &O numbers; no thousands separators.
  static bool ParseNumber(const QString& text, double* value);
  // A string converted to a number as the script language converts one
  // (IsNumeric, CDbl, arithmetic): ParseNumber's forms, and in the whole
  // part digit grouping with "," between digits ("1,234.50").
  static bool TextToNumber(const QString& text, double* value);
  // "True", "False", "#TRUE#" or "#FALSE#", any case, blanks around.
  static bool TextToBoolean(const QString& text, bool* value);
  // Hex or octal digits as the literal &H.. / &O.. types them: up to four
  // hex digits an Integer, up to eight a Long, the high bit the sign; with
  // the "&" suffix always a Long. False on a bad digit or more than 32 bits.
  static bool RadixNumber(QStringView digits, int base, bool longSuffix, VbValue* value);
  // CStr of a Double: 15 significant digits, no trailing zeros, "1E+15".
  static QString NumberText(double value, int significantDigits = 15);
  static double RoundHalfEven(double value) ;

 private:
  explicit VbValue(Type type) : type_(type) {}
  static QDateTime dateTimeOf(double serial);

  Type type_ = Type::Empty;
  union {
    qint64 int_ = 0;  // Boolean (-1/0), Byte, Integer, Long, Currency (scaled)
    double double_;   // Single, Double, Date
  };
  QString text_;
};

}  // namespace rd
