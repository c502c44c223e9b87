#include "expressions/TagSpan.h"

namespace rd {

namespace {

bool isNameStart(QChar c) { return c.isLetter() || c == QLatin1Char('_'); }
bool isNamePart(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

}  // namespace

QList<TagSpan> TagSpan::Find(const QString& text, TagArgument mode) {
  QList<TagSpan> tags;
  int from = 0;
  for (;;) {
    const int open = text.indexOf(QLatin1Char('<'), from);
    if (open < 0) break;
    from = open + 1;
    const int close = text.indexOf(QLatin1Char('>'), open + 1);
    if (close < 0) break;
    int p = open + 1;
    if (p >= close || !isNameStart(text[p])) continue;
    while (p < close && isNamePart(text[p])) ++p;
    if (p < close && text[p] != QLatin1Char(':')) continue;
    TagSpan tag;
    tag.start = open;
    tag.length = close - open + 1;
    tag.name = text.mid(open + 1, p - open - 1);
    if (p < close) {
      tag.argumentStart = p + 1;
      tag.argumentEnd = close;
      if (mode == TagArgument::SecondItem) {
        const int second = text.indexOf(QLatin1Char(':'), p + 1);
        if (second >= 0 && second < close) tag.argumentEnd = second;
      }
    }
    tags << tag;
    from = close + 1;
  }
  return tags;
}

}  // namespace rd
