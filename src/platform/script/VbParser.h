#pragma once
#include <QString>

#include "platform/script/VbError.h"
#include "platform/script/VbProgram.h"

namespace rd {

// Reads one expression of the script language into a VbProgram: no
// statements ("x = 1" is a comparison), no objects. Names are
// case-insensitive; "@name" is a value the caller must bind.
class VbParser {
 public:
  static constexpr int MaxDepth = 200;
  static constexpr int MaxLength = 65536;

  // On failure returns false and sets error.
  static bool Parse(const QString& text, VbProgram* program, VbError* error);

 private:
  enum class Token {
    End, Number, String, Date, Name, AtName, Plus, Minus, Star, Slash, Backslash, Caret,
    Ampersand, LeftParen, RightParen, Comma, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
  };

  enum class Keyword { None, Mod, Not, And, Or, Xor, Eqv, Imp, Is };

  VbParser(const QString& text, VbProgram* program) : text_(text), program_(program) {}

  void next();
  void readRadixNumber(int base);
  bool isKeyword(Keyword keyword) const { return token_ == Token::Name && keyword_ == keyword; }
  int expression();
  int binary(int level);
  int notExpression();
  int unary();
  int power();
  int primary();
  int name();
  int call(const QString& name);
  int variable(const QString& name, bool at);
  int add(VbProgram::Op op, int left, int right = -1);
  int addLiteral(const VbValue& value);
  void enter();
  void leave() { --depth_; }
  [[noreturn]] void fail(int number, const QString& name = QString()) const;

  const QString& text_;
  VbProgram* program_;
  std::vector<int> nodeDepth_;
  int pos_ = 0;
  int depth_ = 0;
  Token token_ = Token::End;
  QString word_;    // Name and AtName text
  Keyword keyword_ = Keyword::None;  // of a Name
  VbValue value_;   // Number, String and Date literal
};

}  // namespace rd
