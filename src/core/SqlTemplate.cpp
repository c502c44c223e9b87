#include "core/SqlTemplate.h"

#include <algorithm>

#include "core/modDatabase.h"

namespace rd {

namespace {
bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// What may stand beside a bare placeholder for "?" to read as the number
// written in its place would.
bool separatesNumber(QChar c) {
  return c.isSpace() || QStringView(u"(),=<>+-*/%|&;").contains(c);
}

// The entry of the longest name standing whole after the "@" at `at` (the
// first of equal names); -1 for none.
int matchName(const QString& s, int at, const QStringList& names) {
  int best = -1;
  for (int k = 0; k < names.size(); ++k) {
    const QString& name = names[k];
    if (name.isEmpty() || (best >= 0 && names[best].size() >= name.size())) continue;
    const int end = at + 1 + int(name.size());
    if (QStringView(s).mid(at + 1, name.size()) != name) continue;
    if (end < s.size() && isNameChar(s[end])) continue;
    best = k;
  }
  return best;
}

bool plainInteger(const QString& v, qlonglong* n) {
  if (v.isEmpty()) return false;
  for (QChar c : v)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  bool ok = false;
  *n = v.toLongLong(&ok);
  return ok;
}

// The text a quoted literal filled with SqlStr holds once run: the mark
// removed, empty as NULL.
QVariant literalText(const QString& v) {
  const QString t = v.contains(QChar(Connection::TextMark))
                        ? QString(v).remove(QChar(Connection::TextMark))
                        : v;
  return t.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(t);
}
}  // namespace

QString SqlTemplate::Statement(const QString& stored) {
  return stored.section(QLatin1Char('|'), 0, 0);
}

QString SqlTemplate::Fill(const QString& statement, const Values& values) {
  QStringList names, texts;
  names.reserve(qsizetype(values.size()));
  texts.reserve(qsizetype(values.size()));
  for (const auto& [name, text] : values) {
    names << name;
    texts << text;
  }
  return SqlTemplate(statement, names).Fill(texts);
}

SqlTemplate::SqlTemplate(const QString& statement, const QStringList& names) {
  Scan(statement, names);
  const auto filled = [](const Piece& piece) { return piece.kind == Kind::Filled; };
  if (!bindable_ || std::any_of(pieces_.cbegin(), pieces_.cend(), filled)) return;
  for (const Piece& piece : pieces_) shared_ += piece.before + QLatin1Char('?');
  shared_ += tail_;
}

void SqlTemplate::Scan(const QString& s, const QStringList& names) {
  // Follows the database's reading of the text: literals, quoted names and
  // comments. A quote inside a name or comment would make a literal where
  // NullLiteralsToNull sees none, so such a statement binds nothing.
  enum class In { Code, Literal, Name, LineComment, BlockComment } in = In::Code;
  QChar closer;
  int literalStart = -1;
  int cut = 0;
  const int n = int(s.size());
  auto at = [&](int i) { return i < n ? s[i] : QChar(); };
  for (int i = 0; i < n;) {
    const QChar c = s[i];
    if (c == QLatin1Char('@')) {
      const int k = matchName(s, i, names);
      if (k >= 0) {
        const int end = i + 1 + int(names[k].size());
        Kind kind = Kind::Filled;
        int from = i, to = end;
        if (in == In::Code && (i == 0 || separatesNumber(s[i - 1])) &&
            (end == n || separatesNumber(s[end]))) {
          kind = Kind::Bare;
        } else if (in == In::Literal && literalStart == i - 1 && at(end) == QLatin1Char('\'') &&
                   at(end + 1) != QLatin1Char('\'') &&
                   (literalStart == 0 || !isNameChar(s[literalStart - 1]))) {
          kind = Kind::Quoted;
          from = literalStart;
          to = end + 1;
          in = In::Code;
        }
        pieces_.push_back({s.mid(cut, from - cut), k, kind});
        cut = i = to;
        continue;
      }
    }
    const QChar next = at(i + 1);
    switch (in) {
      case In::Code:
        if (c == QLatin1Char('\'')) {
          in = In::Literal;
          literalStart = i;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('[')) {
          in = In::Name;
          closer = c == QLatin1Char('[') ? QLatin1Char(']') : c;
        } else if (c == QLatin1Char('-') && next == QLatin1Char('-')) {
          in = In::LineComment;
          ++i;
        } else if (c == QLatin1Char('/') && next == QLatin1Char('*')) {
          in = In::BlockComment;
          ++i;
        }
        break;
      case In::Literal:
        if (c == QLatin1Char('\'')) {
          if (next == QLatin1Char('\''))
            ++i;
          else
            in = In::Code;
        }
        break;
      case In::Name:
        if (c == closer) {
          if (next == closer)
            ++i;
          else
            in = In::Code;
        }
        break;
      case In::LineComment:
        if (c == QLatin1Char('\n')) in = In::Code;
        break;
      case In::BlockComment:
        if (c == QLatin1Char('*') && next == QLatin1Char('/')) {
          in = In::Code;
          ++i;
        }
        break;
    }
    if (c == QLatin1Char('\'') && in != In::Code && in != In::Literal) bindable_ = false;
    ++i;
  }
  tail_ = s.mid(cut);
}

void SqlTemplate::AppendFilled(QString& out, const Piece& piece, const QString& value) {
  if (piece.kind == Kind::Quoted) {
    out += QLatin1Char('\'');
    out += SqlStr(value);
    out += QLatin1Char('\'');
  } else {
    out += SqlStr(value);
  }
}

QString SqlTemplate::Fill(const QStringList& values) const {
  QString out;
  for (const Piece& piece : pieces_) {
    out += piece.before;
    AppendFilled(out, piece, values[piece.value]);
  }
  return out + tail_;
}

bool SqlTemplate::BindPiece(const Piece& piece, const QString& value, QVariantList& out) const {
  if (!bindable_) return false;
  qlonglong number = 0;
  if (piece.kind == Kind::Quoted)
    out << literalText(value);
  else if (piece.kind == Kind::Bare && plainInteger(value, &number))
    out << QVariant(number);
  else
    return false;
  return true;
}

SqlTemplate::Bound SqlTemplate::Bind(const QStringList& values) const {
  Bound bound;
  QString& out = bound.sql;
  for (const Piece& piece : pieces_) {
    out += piece.before;
    const QString& value = values[piece.value];
    if (BindPiece(piece, value, bound.values))
      out += QLatin1Char('?');
    else
      AppendFilled(out, piece, value);
  }
  out += tail_;
  return bound;
}

bool SqlTemplate::BindShared(const QStringList& values, QVariantList* out) const {
  out->clear();
  if (shared_.isEmpty()) return false;
  for (const Piece& piece : pieces_)
    if (!BindPiece(piece, values[piece.value], *out)) return false;
  return true;
}

}  // namespace rd
