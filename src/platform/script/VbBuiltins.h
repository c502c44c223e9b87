#pragma once
#include "platform/text/AnsiText.h"
#include <QString>
#include <span>

#include "platform/script/VbValue.h"

// The built-in functions by kind, and the argument conversions they share.
// Used by VbFunctions only; every function throws VbRaise.
namespace rd::builtins {

struct Entry {
  const char* name;  // as the language spells it
  int minArgs;
  int maxArgs;
  VbValue (*run)(const VbValue* args, int count);
};

std::span<const Entry> ConversionFunctions();
std::span<const Entry> TextFunctions();
std::span<const Entry> MathFunctions();
std::span<const Entry> DateFunctions();
std::span<const Entry> FormatFunctions();

[[noreturn]] void Raise(int number);
double ToDouble(const VbValue& v);
int ToLong(const VbValue& v);
int ToInteger(const VbValue& v);
qint64 ToCurrencyScaled(const VbValue& v);
bool ToBoolean(const VbValue& v);
QString ToText(const VbValue& v);
double ToDate(const VbValue& v);
// A count or position: Null is an error, below `minimum` an invalid call.
int Whole(const VbValue& v, int minimum);
// The optional compare argument at `index`: true for vbTextCompare.
bool TextCompare(const VbValue* args, int count, int index);
// A Date, or an invalid call outside the years 100..9999.
VbValue DateResult(double serial);

}  // namespace rd::builtins
