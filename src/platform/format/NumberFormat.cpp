#include "platform/format/NumberFormat.h"

#include <QList>
#include <cmath>

#include "platform/script/VbDecimal.h"

namespace rd {

namespace {

struct Item {
  enum Kind { Literal, Digit, Point, Exponent } kind;
  QString text;       // Literal text; Digit "0" or "#"; Exponent "E+", "e-", ...
  bool fraction = false;
  int exponentMinDigits = 0;
};

struct Pattern {
  QList<Item> items;
  int integerPlaceholders = 0;
  int minInteger = 0;   // placeholders from the first "0" of the whole part
  int fractionPlaceholders = 0;
  int minFraction = 0;  // placeholders up to the last "0" of the fraction
  bool grouping = false;
  int scale = 0;        // commas right of the whole part: thousands each
  bool percent = false;
  bool scientific = false;
};

void addLiteral(Pattern& p, const QString& text) {
  if (!p.items.isEmpty() && p.items.last().kind == Item::Literal) p.items.last().text += text;
  else p.items.append(Item{Item::Literal, text});
}

Pattern parse(const QString& f) {
  Pattern p;
  bool afterPoint = false, seenZero = false;
  int pendingCommas = 0;  // commas since the last whole-part placeholder
  const int n = f.size();
  for (int i = 0; i < n; ++i) {
    QChar c = f[i];
    if (c == QLatin1Char('"')) {
      int close = f.indexOf(QLatin1Char('"'), i + 1);
      if (close < 0) close = n;
      addLiteral(p, f.mid(i + 1, close - i - 1));
      i = close;
    } else if (c == QLatin1Char('\\')) {
      if (i + 1 < n) addLiteral(p, QString(f[++i]));
    } else if ((c == QLatin1Char('0') || c == QLatin1Char('#')) && !p.scientific) {
      Item item{Item::Digit, QString(c)};
      item.fraction = afterPoint;
      if (afterPoint) {
        ++p.fractionPlaceholders;
        if (c == QLatin1Char('0')) p.minFraction = p.fractionPlaceholders;
      } else {
        if (pendingCommas > 0 && p.integerPlaceholders > 0) p.grouping = true;
        pendingCommas = 0;
        ++p.integerPlaceholders;
        if (c == QLatin1Char('0')) seenZero = true;
        if (seenZero) ++p.minInteger;
      }
      p.items.append(item);
    } else if (c == QLatin1Char('.') && !afterPoint && !p.scientific) {
      afterPoint = true;
      p.scale += pendingCommas;
      pendingCommas = 0;
      p.items.append(Item{Item::Point, QString()});
    } else if (c == QLatin1Char(',') && !afterPoint && !p.scientific) {
      ++pendingCommas;
    } else if ((c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < n &&
               (f[i + 1] == QLatin1Char('+') || f[i + 1] == QLatin1Char('-')) && !p.scientific &&
               p.integerPlaceholders + p.fractionPlaceholders > 0) {
      Item item{Item::Exponent, QString(c) + f[i + 1]};
      i += 2;
      while (i < n && (f[i] == QLatin1Char('0') || f[i] == QLatin1Char('#'))) {
        if (f[i] == QLatin1Char('0')) ++item.exponentMinDigits;
        ++i;
      }
      --i;
      p.scientific = true;
      p.items.append(item);
    } else {
      if (c == QLatin1Char('%')) p.percent = true;
      addLiteral(p, QString(c));
    }
  }
  if (!afterPoint) p.scale += pendingCommas;
  return p;
}

QString grouped(const QString& digits) {
  QString out;
  const int n = digits.size();
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += QLatin1Char(',');
    out += digits[i];
  }
  return out;
}

}  // namespace

QString NumberFormat::Apply(double value, const QString& section) {
  Pattern p = parse(section);
  if (p.percent) value *= 100.0;
  if (!p.scientific) value /= std::pow(1000.0, p.scale);

  QString whole, fraction;
  int exponent = 0;
  VbDecimal decimal = VbDecimal::FromDouble(value);
  if (p.scientific) {
    int wholeDigits = p.integerPlaceholders > 0 ? p.integerPlaceholders : 1;
    if (!decimal.IsZero()) {
      exponent = decimal.Exponent() - wholeDigits;
      decimal = VbDecimal::FromDouble(value / std::pow(10.0, exponent));
      decimal.RoundTo(p.fractionPlaceholders, false);
      if (decimal.Exponent() > wholeDigits) {  // 9.99 rounded up to 10.0
        ++exponent;
        decimal = VbDecimal::FromDouble(value / std::pow(10.0, exponent));
        decimal.RoundTo(p.fractionPlaceholders, false);
      }
    }
  } else {
    decimal.RoundTo(p.fractionPlaceholders, false);
  }
  whole = decimal.IntegerDigits();
  fraction = decimal.FractionDigits().leftJustified(p.fractionPlaceholders, QLatin1Char('0'));
  while (fraction.size() > p.minFraction && fraction.endsWith(QLatin1Char('0'))) fraction.chop(1);
  if (whole.size() < p.minInteger) whole = QString(p.minInteger - whole.size(), QLatin1Char('0')) + whole;

  QString out;
  int wholeIndex = 0, fractionIndex = 0;
  const int offset = p.integerPlaceholders - int(whole.size());  // < 0: more digits than places
  bool wholeWritten = false;
  for (const Item& item : p.items) {
    switch (item.kind) {
      case Item::Literal: out += item.text; break;
      case Item::Digit:
        if (item.fraction) {
          if (fractionIndex < fraction.size()) out += fraction[fractionIndex];
          ++fractionIndex;
        } else if (p.grouping) {
          if (!wholeWritten) out += grouped(whole);
          wholeWritten = true;
        } else {
          int digit = wholeIndex - offset;
          if (wholeIndex == 0 && offset < 0) out += whole.left(1 - offset);
          else if (digit >= 0 && digit < whole.size()) out += whole[digit];
          ++wholeIndex;
        }
        break;
      case Item::Point:
        if (p.integerPlaceholders == 0) out += whole;
        out += QLatin1Char('.');
        break;
      case Item::Exponent: {
        QString digits = QString::number(std::abs(exponent));
        if (digits.size() < item.exponentMinDigits)
          digits = QString(item.exponentMinDigits - digits.size(), QLatin1Char('0')) + digits;
        out += item.text[0];
        if (exponent < 0) out += QLatin1Char('-');
        else if (item.text[1] == QLatin1Char('+')) out += QLatin1Char('+');
        out += digits;
        break;
      }
    }
  }
  return out;
}

}  // namespace rd
