#pragma once
#include <QString>

namespace rd {

// A run-time or syntax error of an expression, numbered and worded as the
// script language reports it ("Type mismatch", "Division by zero", ...).
struct VbError {
  enum Number {
    None = 0,
    InvalidCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    DivisionByZero = 11,
    TypeMismatch = 13,
    OutOfStack = 28,
    InvalidUseOfNull = 94,
    WrongArgumentCount = 450,
    VariableUndefined = 500,
    SyntaxError = 1002,
    ExpectedCloseParen = 1006,
    ExpectedEndOfStatement = 1025,
    InvalidCharacter = 1032,
    UnterminatedString = 1033,
    ExpressionTooLong = 1034,
  };

  int number = None;
  QString description;

  bool IsError() const { return number != None; }
  static VbError Make(int number, const QString& name = QString());
  static QString Describe(int number);
};

// Thrown inside the evaluator and its functions; never leaves
// VbExpression, which turns it into a VbError.
struct VbRaise {
  int number;
  QString name;
};

}  // namespace rd
