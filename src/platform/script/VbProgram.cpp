#include "platform/script/VbProgram.h"

#include "platform/script/VbError.h"
#include "platform/script/VbFunctions.h"
#include "platform/script/VbOperators.h"

namespace rd {

VbValue VbProgram::variable(const Node& node, const Binding& binding) const {
  int slot = node.index;
  if (slot < binding.count && (!binding.bound || binding.bound[slot])) return binding.values[slot];
  if (atNames[slot]) throw VbRaise{VbError::VariableUndefined, names[slot]};
  return VbValue();
}

VbValue VbProgram::evaluate(int index, const Binding& binding) const {
  const Node& n = nodes[index];
  switch (n.op) {
    case Op::Literal: return n.literal;
    case Op::Variable: return variable(n, binding);
    case Op::Call: {
      VbValue values[MaxArguments];
      for (int i = 0; i < n.argumentCount; ++i) values[i] = evaluate(arguments[n.firstArgument + i], binding);
      return VbFunctions::Call(n.index, values, n.argumentCount);
    }
    case Op::Negate: return VbOperators::Negate(evaluate(n.left, binding));
    case Op::Not: return VbOperators::Not(evaluate(n.left, binding));
    default: break;
  }
  // Binary operators: operands left to right, so the first error is the one reported.
  VbValue a = evaluate(n.left, binding);
  VbValue b = evaluate(n.right, binding);
  using C = VbOperators::Comparison;
  auto compare = [&](C op) {
    return VbOperators::Compare(op, a, b, nodes[n.left].op == Op::Literal, nodes[n.right].op == Op::Literal);
  };
  switch (n.op) {
    case Op::Power: return VbOperators::Power(a, b);
    case Op::Multiply: return VbOperators::Multiply(a, b);
    case Op::Divide: return VbOperators::Divide(a, b);
    case Op::IntegerDivide: return VbOperators::IntegerDivide(a, b);
    case Op::Modulo: return VbOperators::Modulo(a, b);
    case Op::Add: return VbOperators::Add(a, b);
    case Op::Subtract: return VbOperators::Subtract(a, b);
    case Op::Concatenate: return VbOperators::Concatenate(a, b);
    case Op::Equal: return compare(C::Equal);
    case Op::NotEqual: return compare(C::NotEqual);
    case Op::Less: return compare(C::Less);
    case Op::Greater: return compare(C::Greater);
    case Op::LessEqual: return compare(C::LessEqual);
    case Op::GreaterEqual: return compare(C::GreaterEqual);
    case Op::And: return VbOperators::And(a, b);
    case Op::Or: return VbOperators::Or(a, b);
    case Op::Xor: return VbOperators::Xor(a, b);
    case Op::Eqv: return VbOperators::Eqv(a, b);
    case Op::Imp: return VbOperators::Imp(a, b);
    default: return VbValue();
  }
}

}  // namespace rd
