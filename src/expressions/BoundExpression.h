#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "expressions/TagSpan.h"
#include "platform/script/VbExpression.h"

namespace rd {

// One expression as the designer wrote it, parsed once. Its placeholders
// ("@" + a name), its tags and, in conditions, its "now()" become bound
// operands, so that a value is always data: outside a string literal a
// value is one operand (a number when it reads as one, Null when empty,
// else a string); inside a literal it is the literal's content; inside a
// tag's argument it is put in with its quotes doubled (SqlStr). Tags are
// those of the text as written; their results are never scanned again.
class BoundExpression {
 public:
  struct Options {
    bool tags = true;                           // expand "<Name:argument>"
    TagArgument argument = TagArgument::SecondItem;
    bool now = false;                           // "now()" (any case) stands for a time text
  };
  // A placeholder name, and whether it is put in at all (a name that is
  // not stays as written, which fails evaluation).
  struct Name {
    QString name;
    bool substituted = true;
  };
  // Calls the tag function `name` with its argument text; gives its result.
  using TagFunction = std::function<QString(const QString& name, const QString& argument)>;
  struct Inputs {
    const QStringList* values = nullptr;  // raw values, by name index
    TagFunction tag;
    QString now;
  };

  BoundExpression() = default;
  // Placeholders match the longest name (exact case) at each "@".
  static BoundExpression Compile(const QString& text, const QList<Name>& names,
                                 const Options& options);

  // The indexes of the names this expression reads.
  const QList<int>& NamesUsed() const { return namesUsed_; }
  bool HasTags() const { return !tags_.empty(); }

  // The script's evaluation of an expression as a field value: a result
  // with text gives that text; an empty result gives the expression
  // itself (with values put in raw); a failure gives that text when it has
  // none of - + * / %, else "".
  QString EvaluateText(const Inputs& inputs) const;
  // True only when the result is True; any error is False.
  bool EvaluateCondition(const Inputs& inputs) const;

 private:
  enum class Kind { Text, Name, Tag, Now };
  struct Segment {
    Kind kind = Kind::Text;
    QString text;
    int ref = 0;  // name index, or tag index
  };
  struct Tag {
    QString name;
    bool hasArgument = true;  // a tag without ":" gives empty text
    std::vector<Segment> argument;  // text and names
  };
  struct Slot {
    Kind kind = Kind::Name;
    int ref = 0;
    bool inLiteral = false;
  };

  VbValue evaluate(const Inputs& inputs, QStringList* tagResults, VbError* error) const;
  QString rawText(const Inputs& inputs, const QStringList& tagResults) const;

  std::vector<Segment> segments_;  // the text as written
  std::vector<Tag> tags_;
  std::vector<Slot> slots_;        // by the program's slot order
  QList<int> namesUsed_;
  VbExpression program_;
  QList<int> programSlots_;  // for each name of the program, its slot; -1 for none
  bool unbound_ = false;     // reads an "@" name that no value binds
};

}  // namespace rd
