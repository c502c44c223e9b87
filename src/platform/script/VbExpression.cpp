#include "platform/script/VbExpression.h"

#include <QVarLengthArray>
#include <exception>

#include "platform/script/VbParser.h"
#include "platform/script/VbProgram.h"

namespace rd {

namespace {

VbValue run(const VbProgram& program, const VbProgram::Binding& binding, VbError* error) {
  try {
    VbValue result = program.Evaluate(binding);
    if (error) *error = VbError();
    return result;
  } catch (const VbRaise& raised) {
    if (error) *error = VbError::Make(raised.number, raised.name);
  } catch (const std::exception&) {
    if (error) *error = VbError::Make(VbError::OutOfMemory);
  }
  return VbValue();
}

}  // namespace

VbExpression::VbExpression() : parseError_(VbError::Make(VbError::SyntaxError)) {}

VbExpression VbExpression::Parse(const QString& text, VbError* error) {
  VbExpression e;
  e.text_ = text;
  auto program = std::make_shared<VbProgram>();
  if (VbParser::Parse(text, program.get(), &e.parseError_)) {
    e.parseError_ = VbError();
    e.program_ = std::move(program);
  }
  if (error) *error = e.parseError_;
  return e;
}

bool VbExpression::IsValid() const { return program_ != nullptr; }

QStringList VbExpression::Names() const { return program_ ? program_->names : QStringList(); }

VbValue VbExpression::Evaluate(const QList<VbValue>& values, VbError* error) const {
  if (!program_) {
    if (error) *error = parseError_;
    return VbValue();
  }
  VbProgram::Binding binding{values.constData(), int(values.size()), nullptr};
  return run(*program_, binding, error);
}

VbValue VbExpression::Evaluate(const Lookup& lookup, VbError* error) const {
  if (!program_) {
    if (error) *error = parseError_;
    return VbValue();
  }
  const int count = int(program_->names.size());
  QVarLengthArray<VbValue, 8> values(count);
  QVarLengthArray<bool, 8> bound(count);
  for (int i = 0; i < count; ++i) {
    std::optional<VbValue> v = lookup ? lookup(program_->names[i]) : std::nullopt;
    bound[i] = v.has_value();
    if (v) values[i] = *v;
  }
  VbProgram::Binding binding{values.constData(), count, bound.constData()};
  return run(*program_, binding, error);
}

VbValue VbExpression::Evaluate(VbError* error) const { return Evaluate(QList<VbValue>(), error); }

VbValue VbExpression::Eval(const QString& text, VbError* error) { return Parse(text).Evaluate(error); }

VbValue VbExpression::Eval(const QString& text, const Lookup& lookup, VbError* error) {
  return Parse(text).Evaluate(lookup, error);
}

}  // namespace rd
