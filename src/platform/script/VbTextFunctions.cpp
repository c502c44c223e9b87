#include <algorithm>

#include "platform/script/VbBuiltins.h"
#include "platform/script/VbError.h"

namespace rd::builtins {

namespace {

Qt::CaseSensitivity caseOf(bool ignoreCase) { return ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive; }

QString repeated(QChar c, int n) {
  if (n > 1 << 24) Raise(VbError::Overflow);
  return QString(n, c);
}

VbValue inStr(const VbValue* a, int count) {
  int start = 1;
  int first = 0;
  if (count >= 3) {
    start = Whole(a[0], 1);
    first = 1;
  }
  const VbValue& text = a[first];
  const VbValue& find = a[first + 1];
  bool ignoreCase = TextCompare(a, count, first + 2);
  if (text.IsNull() || find.IsNull()) return VbValue::Null();
  QString s = ToText(text), f = ToText(find);
  if (start > s.size()) return VbValue::Long(0);
  if (f.isEmpty()) return VbValue::Long(start);
  return VbValue::Long(int(s.indexOf(f, start - 1, caseOf(ignoreCase))) + 1);
}

// InStrRev(text, find[, start[, compare]]): the match must end by `start`.
VbValue inStrRev(const VbValue* a, int count) {
  int start = count > 2 ? ToLong(a[2]) : -1;
  if (start == 0 || start < -1) Raise(VbError::InvalidCall);
  bool ignoreCase = TextCompare(a, count, 3);
  if (a[0].IsNull() || a[1].IsNull()) return VbValue::Null();
  QString s = ToText(a[0]), f = ToText(a[1]);
  if (start == -1) start = int(s.size());
  if (start > s.size()) return VbValue::Long(0);
  if (f.isEmpty()) return VbValue::Long(start);
  return VbValue::Long(int(s.left(start).lastIndexOf(f, -1, caseOf(ignoreCase))) + 1);
}

VbValue replace(const VbValue* a, int count) {
  QString text = ToText(a[0]);
  QString find = ToText(a[1]);
  QString with = ToText(a[2]);
  int start = count > 3 ? Whole(a[3], 1) : 1;
  int times = count > 4 ? Whole(a[4], -1) : -1;
  Qt::CaseSensitivity cs = caseOf(TextCompare(a, count, 5));
  QString rest = text.mid(start - 1);
  if (find.isEmpty() || times == 0) return VbValue(rest);
  QString out;
  int from = 0, done = 0;
  while (times < 0 || done < times) {
    int at = int(rest.indexOf(find, from, cs));
    if (at < 0) break;
    out += rest.mid(from, at - from) + with;
    from = at + int(find.size());
    ++done;
  }
  return VbValue(out + rest.mid(from));
}

// String(count, character): a text's first character, or a code Mod 256.
VbValue repeatedCharacter(const VbValue* a) {
  if (a[0].IsNull() || a[1].IsNull()) return VbValue::Null();
  int n = Whole(a[0], 0);
  QChar c;
  if (a[1].IsString()) {
    if (a[1].RawText().isEmpty()) Raise(VbError::InvalidCall);
    c = a[1].RawText()[0];
  } else {
    c = AnsiChar((ToLong(a[1]) % 256 + 256) % 256);
  }
  return VbValue(repeated(c, n));
}

VbValue strComp(const VbValue* a, int count) {
  bool ignoreCase = TextCompare(a, count, 2);
  if (a[0].IsNull() || a[1].IsNull()) return VbValue::Null();
  int c = ToText(a[0]).compare(ToText(a[1]), caseOf(ignoreCase));
  return VbValue::Integer(c < 0 ? -1 : c > 0 ? 1 : 0);
}

VbValue leftOrRight(const VbValue* a, bool left) {
  int n = Whole(a[1], 0);
  if (a[0].IsNull()) return a[0];
  QString s = ToText(a[0]);
  return VbValue(left ? s.left(n) : s.right(n));
}

VbValue mid(const VbValue* a, int count) {
  int start = Whole(a[1], 1);
  int length = count > 2 ? Whole(a[2], 0) : -1;
  if (a[0].IsNull()) return a[0];
  return VbValue(ToText(a[0]).mid(start - 1, length));
}

VbValue trimmed(const VbValue& v, bool left, bool right) {
  if (v.IsNull()) return v;
  QString s = ToText(v);
  int from = 0, to = int(s.size());
  while (left && from < to && s[from] == QLatin1Char(' ')) ++from;
  while (right && to > from && s[to - 1] == QLatin1Char(' ')) --to;
  return VbValue(s.mid(from, to - from));
}

VbValue reversed(const VbValue& v) {
  QString s = ToText(v);
  std::reverse(s.begin(), s.end());
  return VbValue(s);
}

const Entry kEntries[] = {
    {"Len", 1, 1, [](const VbValue* a, int) { return a[0].IsNull() ? a[0] : VbValue::Long(int(ToText(a[0]).size())); }},
    {"Left", 2, 2, [](const VbValue* a, int) { return leftOrRight(a, true); }},
    {"Right", 2, 2, [](const VbValue* a, int) { return leftOrRight(a, false); }},
    {"Mid", 2, 3, mid},
    {"InStr", 2, 4, inStr},
    {"InStrRev", 2, 4, inStrRev},
    {"Replace", 3, 6, replace},
    {"Trim", 1, 1, [](const VbValue* a, int) { return trimmed(a[0], true, true); }},
    {"LTrim", 1, 1, [](const VbValue* a, int) { return trimmed(a[0], true, false); }},
    {"RTrim", 1, 1, [](const VbValue* a, int) { return trimmed(a[0], false, true); }},
    {"UCase", 1, 1, [](const VbValue* a, int) { return a[0].IsNull() ? a[0] : VbValue(ToText(a[0]).toUpper()); }},
    {"LCase", 1, 1, [](const VbValue* a, int) { return a[0].IsNull() ? a[0] : VbValue(ToText(a[0]).toLower()); }},
    {"Space", 1, 1, [](const VbValue* a, int) { return VbValue(repeated(QLatin1Char(' '), Whole(a[0], 0))); }},
    {"String", 2, 2, [](const VbValue* a, int) { return repeatedCharacter(a); }},
    {"StrComp", 2, 3, strComp},
    {"StrReverse", 1, 1, [](const VbValue* a, int) { return reversed(a[0]); }},
};

}  // namespace

std::span<const Entry> TextFunctions() { return kEntries; }

}  // namespace rd::builtins
