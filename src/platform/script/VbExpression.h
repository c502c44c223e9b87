#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "platform/script/VbError.h"
#include "platform/script/VbValue.h"

namespace rd {

class VbProgram;

// One expression of the script language, parsed once and evaluated many
// times. Names read values from the caller: a bare name that the caller
// does not bind is Empty (an undeclared variable); a name written "@Field"
// must be bound, or evaluation fails with "Variable is undefined". Errors
// come back as a VbError; nothing is thrown.
//
//   VbExpression e = VbExpression::Parse("@Qty*@Price-Discount", &error);
//   e.Names();  // {"@Qty", "@Price", "Discount"}
//   e.Evaluate({VbValue(3), VbValue(9.5), VbValue(1)}, &error);  // by slot
//   e.Evaluate([&](const QString& name) -> std::optional<VbValue> {...});
class VbExpression {
 public:
  using Lookup = std::function<std::optional<VbValue>(const QString& name)>;

  VbExpression();  // not parsed: evaluates to a syntax error
  static VbExpression Parse(const QString& text, VbError* error = nullptr);

  bool IsValid() const;
  const VbError& ParseError() const { return parseError_; }
  const QString& Text() const { return text_; }
  // The names read, one slot each, as first written ("@" kept), matched
  // without regard to case.
  QStringList Names() const;

  // Slot i takes values[i]; slots past the list are unbound.
  VbValue Evaluate(const QList<VbValue>& values, VbError* error = nullptr) const;
  VbValue Evaluate(const Lookup& lookup, VbError* error = nullptr) const;
  VbValue Evaluate(VbError* error = nullptr) const;

  // Parses and evaluates once.
  static VbValue Eval(const QString& text, VbError* error = nullptr);
  static VbValue Eval(const QString& text, const Lookup& lookup, VbError* error = nullptr);

 private:
  QString text_;
  VbError parseError_;
  std::shared_ptr<const VbProgram> program_;
};

}  // namespace rd
