#include "platform/script/VbError.h"

namespace rd {

QString VbError::Describe(int number) {
  switch (number) {
    case None: return QString();
    case InvalidCall: return QStringLiteral("Invalid procedure call or argument");
    case Overflow: return QStringLiteral("Overflow");
    case OutOfMemory: return QStringLiteral("Out of memory");
    case DivisionByZero: return QStringLiteral("Division by zero");
    case TypeMismatch: return QStringLiteral("Type mismatch");
    case OutOfStack: return QStringLiteral("Out of stack space");
    case InvalidUseOfNull: return QStringLiteral("Invalid use of Null");
    case WrongArgumentCount: return QStringLiteral("Wrong number of arguments or invalid property assignment");
    case VariableUndefined: return QStringLiteral("Variable is undefined");
    case SyntaxError: return QStringLiteral("Syntax error");
    case ExpectedCloseParen: return QStringLiteral("Expected ')'");
    case ExpectedEndOfStatement: return QStringLiteral("Expected end of statement");
    case InvalidCharacter: return QStringLiteral("Invalid character");
    case UnterminatedString: return QStringLiteral("Unterminated string constant");
    case ExpressionTooLong: return QStringLiteral("Expression too long");
    default: return QStringLiteral("Unknown runtime error");
  }
}

VbError VbError::Make(int number, const QString& name) {
  VbError e;
  e.number = number;
  e.description = Describe(number);
  if (!name.isEmpty()) e.description += QStringLiteral(": '") + name + QLatin1Char('\'');
  return e;
}

}  // namespace rd
