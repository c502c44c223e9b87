#include "expressions/BoundExpression.h"

#include <algorithm>

#include "core/modDatabase.h"
#include "expressions/OperandText.h"

namespace rd {

namespace {

const QLatin1String kNow("now()");

bool isNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The longest name that follows the "@" at pos; -1 when none does.
int matchName(const QString& text, int pos, const QList<BoundExpression::Name>& names,
              const QList<int>& longestFirst) {
  const QStringView rest = QStringView(text).mid(pos + 1);
  for (int i : longestFirst) {
    const QString& name = names[i].name;
    if (!name.isEmpty() && rest.startsWith(name)) return i;
  }
  return -1;
}

}  // namespace

BoundExpression BoundExpression::Compile(const QString& text, const QList<Name>& names,
                                         const Options& options) {
  BoundExpression e;
  QList<int> longestFirst;
  for (int i = 0; i < names.size(); ++i) longestFirst << i;
  std::stable_sort(longestFirst.begin(), longestFirst.end(),
                   [&](int a, int b) { return names[a].name.size() > names[b].name.size(); });

  const QList<TagSpan> spans =
      options.tags ? TagSpan::Find(text, options.argument) : QList<TagSpan>();
  int nextSpan = 0;
  QString code;
  bool inLiteral = false, literalHasSlot = false;
  int literalStart = 0;

  auto addText = [&](std::vector<Segment>& segments, QStringView piece) {
    if (segments.empty() || segments.back().kind != Kind::Text)
      segments.push_back({Kind::Text, QString(), 0});
    segments.back().text += piece;
  };
  auto addSlot = [&](Kind kind, int ref) {
    const QString token = QStringLiteral("@_") + QString::number(int(e.slots_.size()));
    e.slots_.push_back({kind, ref, inLiteral});
    e.segments_.push_back({kind, QString(), ref});
    if (inLiteral) {
      code += QLatin1String("\" & ") + token + QLatin1String(" & \"");
      literalHasSlot = true;
    } else {
      code += QLatin1Char(' ') + token + QLatin1Char(' ');
    }
  };
  auto useName = [&](int i) {
    if (!e.namesUsed_.contains(i)) e.namesUsed_ << i;
  };

  const int n = text.size();
  for (int p = 0; p < n;) {
    if (nextSpan < spans.size() && spans[nextSpan].start == p) {
      const TagSpan& span = spans[nextSpan++];
      Tag tag{span.name, span.argumentStart >= 0, {}};
      const QString argument = span.Argument(text);
      for (int a = 0; a < argument.size();) {
        const int i = argument[a] == QLatin1Char('@')
                          ? matchName(argument, a, names, longestFirst) : -1;
        if (i >= 0 && names[i].substituted) {
          tag.argument.push_back({Kind::Name, QString(), i});
          useName(i);
          a += 1 + names[i].name.size();
        } else {
          const int len = i >= 0 ? 1 + names[i].name.size() : 1;
          addText(tag.argument, QStringView(argument).mid(a, len));
          a += len;
        }
      }
      e.tags_.push_back(tag);
      addSlot(Kind::Tag, int(e.tags_.size()) - 1);
      p += span.length;
      continue;
    }
    const QChar c = text[p];
    if (c == QLatin1Char('"')) {
      if (inLiteral && p + 1 < n && text[p + 1] == QLatin1Char('"')) {
        code += QLatin1String("\"\"");
        addText(e.segments_, QStringView(text).mid(p, 2));
        p += 2;
        continue;
      }
      if (inLiteral) {
        code += c;
        if (literalHasSlot) {
          code.insert(literalStart, QLatin1Char('('));
          code += QLatin1Char(')');
        }
      } else {
        literalStart = int(code.size());
        literalHasSlot = false;
        code += c;
      }
      inLiteral = !inLiteral;
      addText(e.segments_, QStringView(text).mid(p, 1));
      ++p;
      continue;
    }
    if (c == QLatin1Char('@')) {
      const int i = matchName(text, p, names, longestFirst);
      if (i >= 0) {
        const int len = 1 + names[i].name.size();
        if (names[i].substituted) {
          addSlot(Kind::Name, i);
          useName(i);
        } else {
          code += QStringView(text).mid(p, len);
          addText(e.segments_, QStringView(text).mid(p, len));
        }
        p += len;
        continue;
      }
    }
    if (options.now && (p == 0 || !isNameChar(text[p - 1])) &&
        QStringView(text).mid(p, kNow.size()).compare(kNow, Qt::CaseInsensitive) == 0) {
      addSlot(Kind::Now, 0);
      p += kNow.size();
      continue;
    }
    code += c;
    addText(e.segments_, QStringView(text).mid(p, 1));
    ++p;
  }

  e.program_ = VbExpression::Parse(code);
  for (const QString& name : e.program_.Names()) {
    bool ok = false;
    const int slot = name.startsWith(QLatin1String("@_")) ? name.mid(2).toInt(&ok) : -1;
    if (ok && slot >= 0 && slot < int(e.slots_.size())) {
      e.programSlots_ << slot;
    } else {
      // An "@" name of no field can never be bound: the expression fails.
      if (name.startsWith(QLatin1Char('@'))) e.unbound_ = true;
      e.programSlots_ << -1;
    }
  }
  return e;
}

VbValue BoundExpression::evaluate(const Inputs& inputs, QStringList* tagResults,
                                  VbError* error) const {
  tagResults->reserve(int(tags_.size()));
  for (const Tag& tag : tags_) {
    QString argument;
    for (const Segment& piece : tag.argument)
      argument += piece.kind == Kind::Name ? SqlStr(inputs.values->value(piece.ref)) : piece.text;
    *tagResults << (inputs.tag && tag.hasArgument ? inputs.tag(tag.name, argument) : QString());
  }
  if (unbound_ || !program_.IsValid()) {
    *error = program_.IsValid() ? VbError::Make(VbError::VariableUndefined) : program_.ParseError();
    return VbValue();
  }
  QList<VbValue> values(programSlots_.size());
  for (int i = 0; i < programSlots_.size(); ++i) {
    if (programSlots_[i] < 0) continue;  // a bare name: Empty
    const Slot& slot = slots_[programSlots_[i]];
    QString raw;
    switch (slot.kind) {
      case Kind::Name: raw = inputs.values ? inputs.values->value(slot.ref) : QString(); break;
      case Kind::Tag: raw = tagResults->value(slot.ref); break;
      case Kind::Now: raw = inputs.now; break;
      case Kind::Text: break;
    }
    values[i] = slot.inLiteral ? VbValue(raw) : OperandText::ToOperand(raw);
  }
  return program_.Evaluate(values, error);
}

QString BoundExpression::rawText(const Inputs& inputs, const QStringList& tagResults) const {
  QString text;
  for (const Segment& segment : segments_) {
    switch (segment.kind) {
      case Kind::Text: text += segment.text; break;
      case Kind::Name: text += inputs.values ? inputs.values->value(segment.ref) : QString(); break;
      case Kind::Tag: text += tagResults.value(segment.ref); break;
      case Kind::Now: text += inputs.now; break;
    }
  }
  return text;
}

QString BoundExpression::EvaluateText(const Inputs& inputs) const {
  QStringList tagResults;
  VbError error;
  const VbValue result = evaluate(inputs, &tagResults, &error);
  if (!error.IsError() && !result.IsNull()) {
    bool ok = false;
    const QString text = OperandText::FromResult(result, &ok);
    if (ok) return text.isEmpty() ? rawText(inputs, tagResults) : text;
  }
  const QString raw = rawText(inputs, tagResults);
  for (QChar op : {u'-', u'+', u'*', u'/', u'%'})
    if (raw.contains(op)) return QString();
  return raw;
}

bool BoundExpression::EvaluateCondition(const Inputs& inputs) const {
  QStringList tagResults;
  VbError error;
  const VbValue result = evaluate(inputs, &tagResults, &error);
  if (error.IsError()) return false;
  int conversion = 0;
  const bool value = result.ToBoolean(&conversion);
  return conversion == 0 && value;
}

}  // namespace rd
