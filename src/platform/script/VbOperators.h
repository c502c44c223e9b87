#pragma once
#include "platform/script/VbValue.h"

namespace rd {

// The script language's operators over VbValue, with its coercions, result
// types and Null propagation. Errors are thrown as VbRaise.
class VbOperators {
 public:
  enum class Comparison { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual };

  static VbValue Add(const VbValue& a, const VbValue& b);
  static VbValue Subtract(const VbValue& a, const VbValue& b);
  static VbValue Multiply(const VbValue& a, const VbValue& b);
  static VbValue Divide(const VbValue& a, const VbValue& b);
  static VbValue IntegerDivide(const VbValue& a, const VbValue& b);
  static VbValue Modulo(const VbValue& a, const VbValue& b);
  static VbValue Power(const VbValue& a, const VbValue& b);
  static VbValue Negate(const VbValue& a);
  static VbValue Concatenate(const VbValue& a, const VbValue& b);
  // A literal operand makes the other operand follow its kind: "1" = 1 is
  // True; between two variables a number is less than any string. A
  // Boolean and a string compare as the texts "True"/"False" and the string.
  static VbValue Compare(Comparison op, const VbValue& a, const VbValue& b, bool aLiteral, bool bLiteral);
  static VbValue Not(const VbValue& a);
  static VbValue And(const VbValue& a, const VbValue& b);
  static VbValue Or(const VbValue& a, const VbValue& b);
  static VbValue Xor(const VbValue& a, const VbValue& b);
  static VbValue Eqv(const VbValue& a, const VbValue& b);
  static VbValue Imp(const VbValue& a, const VbValue& b);
};

}  // namespace rd
