#pragma once
#include <QStringList>
#include <vector>

#include "platform/script/VbValue.h"

namespace rd {

// A parsed expression as a flat tree of nodes that evaluates without
// allocating beyond the values it makes. Built by VbParser.
class VbProgram {
 public:
  enum class Op : quint8 {
    Literal, Variable, Call, Negate, Not, Power, Multiply, Divide, IntegerDivide, Modulo,
    Add, Subtract, Concatenate, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    And, Or, Xor, Eqv, Imp,
  };
  static constexpr int MaxArguments = 6;

  struct Node {
    Op op = Op::Literal;
    int left = -1;
    int right = -1;
    int index = 0;  // variable slot or function id
    int firstArgument = 0;
    int argumentCount = 0;
    VbValue literal;
  };

  // Values of the variable slots: the first `count` are given; past them,
  // or where `bound` says false, a slot is unbound.
  struct Binding {
    const VbValue* values = nullptr;
    int count = 0;
    const bool* bound = nullptr;
  };

  std::vector<Node> nodes;
  std::vector<int> arguments;
  QStringList names;          // slot names as first written
  std::vector<bool> atNames;  // slot written as "@name": must be bound
  int root = -1;

  // Throws VbRaise.
  VbValue Evaluate(const Binding& binding) const { return evaluate(root, binding); }

 private:
  VbValue evaluate(int node, const Binding& binding) const;
  VbValue variable(const Node& node, const Binding& binding) const;
};

}  // namespace rd
