#include "platform/script/VbParser.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/script/VbDate.h"
#include "platform/script/VbFunctions.h"
#include "platform/script/VbOperators.h"

namespace rd {

namespace {

struct ParseFailure {
  VbError error;
};

bool isNameStart(QChar c) { return c.unicode() < 128 && c.isLetter(); }
bool isNamePart(QChar c) { return c.unicode() < 128 && (c.isLetterOrNumber() || c == QLatin1Char('_')); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isRadixDigit(QChar c, int base) {
  if (base == 8) return c >= QLatin1Char('0') && c <= QLatin1Char('7');
  return isDigit(c) || (c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F'));
}

// Binary operator levels, loosest first; a level's operators are left-associative.
using Op = VbProgram::Op;
constexpr int kLevels = 11;
const int kNotLevel = 5;  // Not sits between And and the comparisons

}  // namespace

bool VbParser::Parse(const QString& text, VbProgram* program, VbError* error) {
  *program = VbProgram();
  try {
    if (text.size() > MaxLength) throw ParseFailure{VbError::Make(VbError::ExpressionTooLong)};
    VbParser parser(text, program);
    parser.next();
    if (parser.token_ == Token::End) parser.fail(VbError::SyntaxError);
    program->root = parser.expression();
    if (parser.token_ != Token::End) parser.fail(VbError::ExpectedEndOfStatement);
    return true;
  } catch (const ParseFailure& failure) {
    *program = VbProgram();
    if (error) *error = failure.error;
    return false;
  }
}

void VbParser::fail(int number, const QString& name) const { throw ParseFailure{VbError::Make(number, name)}; }

void VbParser::enter() {
  // Each nesting costs about one call per precedence level.
  if (++depth_ > MaxDepth * 16) fail(VbError::OutOfStack);
}

void VbParser::next() {
  const int n = text_.size();
  while (pos_ < n && text_[pos_].isSpace()) ++pos_;
  if (pos_ >= n || text_[pos_] == QLatin1Char('\'')) {
    pos_ = n;
    token_ = Token::End;
    return;
  }
  QChar c = text_[pos_];
  if (isDigit(c) || (c == QLatin1Char('.') && pos_ + 1 < n && isDigit(text_[pos_ + 1]))) {
    int start = pos_;
    bool whole = true;
    while (pos_ < n && isDigit(text_[pos_])) ++pos_;
    if (pos_ < n && text_[pos_] == QLatin1Char('.')) {
      whole = false;
      ++pos_;
      while (pos_ < n && isDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < n && (text_[pos_] == QLatin1Char('e') || text_[pos_] == QLatin1Char('E'))) {
      whole = false;
      ++pos_;
      if (pos_ < n && (text_[pos_] == QLatin1Char('+') || text_[pos_] == QLatin1Char('-'))) ++pos_;
      if (pos_ >= n || !isDigit(text_[pos_])) fail(VbError::SyntaxError);
      while (pos_ < n && isDigit(text_[pos_])) ++pos_;
    }
    if (pos_ < n && isNameStart(text_[pos_])) fail(VbError::ExpectedEndOfStatement);
    double v = QStringView(text_).mid(start, pos_ - start).toDouble();
    if (!std::isfinite(v)) fail(VbError::Overflow);
    if (whole && v <= 32767) value_ = VbValue::Integer(int(v));
    else if (whole && v <= std::numeric_limits<int>::max()) value_ = VbValue::Long(int(v));
    else value_ = VbValue::Double(v);
    token_ = Token::Number;
    return;
  }
  if (c == QLatin1Char('&') && pos_ + 1 < n &&
      (text_[pos_ + 1].toUpper() == QLatin1Char('H') || text_[pos_ + 1].toUpper() == QLatin1Char('O'))) {
    readRadixNumber(text_[pos_ + 1].toUpper() == QLatin1Char('H') ? 16 : 8);
    return;
  }
  if (c == QLatin1Char('"')) {
    QString s;
    ++pos_;
    for (;;) {
      if (pos_ >= n) fail(VbError::UnterminatedString);
      if (text_[pos_] == QLatin1Char('"')) {
        if (pos_ + 1 < n && text_[pos_ + 1] == QLatin1Char('"')) {
          s += QLatin1Char('"');
          pos_ += 2;
          continue;
        }
        ++pos_;
        break;
      }
      s += text_[pos_++];
    }
    value_ = VbValue(s);
    token_ = Token::String;
    return;
  }
  if (c == QLatin1Char('#')) {
    int close = text_.indexOf(QLatin1Char('#'), pos_ + 1);
    double serial = 0;
    if (close < 0 || !VbDate::Parse(text_.mid(pos_ + 1, close - pos_ - 1), &serial)) fail(VbError::SyntaxError);
    pos_ = close + 1;
    value_ = VbValue::Date(serial);
    token_ = Token::Date;
    return;
  }
  if (isNameStart(c) || c == QLatin1Char('@')) {
    bool at = c == QLatin1Char('@');
    int start = at ? ++pos_ : pos_;
    while (pos_ < n && isNamePart(text_[pos_])) ++pos_;
    if (pos_ == start) fail(VbError::InvalidCharacter);
    word_ = text_.mid(start, pos_ - start);
    if (at) word_.prepend(QLatin1Char('@'));
    token_ = at ? Token::AtName : Token::Name;
    keyword_ = Keyword::None;
    if (!at && word_.size() <= 3) {
      static const std::pair<const char*, Keyword> keywords[] = {
          {"Mod", Keyword::Mod}, {"Not", Keyword::Not}, {"And", Keyword::And}, {"Or", Keyword::Or},
          {"Xor", Keyword::Xor}, {"Eqv", Keyword::Eqv}, {"Imp", Keyword::Imp}, {"Is", Keyword::Is}};
      for (const auto& [spelling, keyword] : keywords) {
        if (word_.compare(QLatin1String(spelling), Qt::CaseInsensitive) == 0) keyword_ = keyword;
      }
    }
    return;
  }
  ++pos_;
  QChar following = pos_ < n ? text_[pos_] : QChar();
  switch (c.unicode()) {
    case '+': token_ = Token::Plus; return;
    case '-': token_ = Token::Minus; return;
    case '*': token_ = Token::Star; return;
    case '/': token_ = Token::Slash; return;
    case '\\': token_ = Token::Backslash; return;
    case '^': token_ = Token::Caret; return;
    case '&': token_ = Token::Ampersand; return;
    case '(': token_ = Token::LeftParen; return;
    case ')': token_ = Token::RightParen; return;
    case ',': token_ = Token::Comma; return;
    case '=':
      if (following == QLatin1Char('>')) ++pos_, token_ = Token::GreaterEqual;
      else if (following == QLatin1Char('<')) ++pos_, token_ = Token::LessEqual;
      else token_ = Token::Equal;
      return;
    case '<':
      if (following == QLatin1Char('>')) ++pos_, token_ = Token::NotEqual;
      else if (following == QLatin1Char('=')) ++pos_, token_ = Token::LessEqual;
      else token_ = Token::Less;
      return;
    case '>':
      if (following == QLatin1Char('=')) ++pos_, token_ = Token::GreaterEqual;
      else token_ = Token::Greater;
      return;
    default: fail(VbError::InvalidCharacter);
  }
}

// &H / &O digits up to the first character that is not one, then an
// optional "&" that makes the number a Long.
void VbParser::readRadixNumber(int base) {
  const int n = text_.size();
  pos_ += 2;
  int start = pos_;
  while (pos_ < n && isRadixDigit(text_[pos_], base)) ++pos_;
  QStringView digits = QStringView(text_).mid(start, pos_ - start);
  bool longSuffix = pos_ < n && text_[pos_] == QLatin1Char('&');
  if (longSuffix) ++pos_;
  if (!VbValue::RadixNumber(digits, base, longSuffix, &value_)) fail(VbError::SyntaxError);
  token_ = Token::Number;
}

int VbParser::add(Op op, int left, int right) {
  int depth = 1 + std::max(left >= 0 ? nodeDepth_[left] : 0, right >= 0 ? nodeDepth_[right] : 0);
  if (depth > MaxDepth) fail(VbError::OutOfStack);
  VbProgram::Node node;
  node.op = op;
  node.left = left;
  node.right = right;
  program_->nodes.push_back(node);
  nodeDepth_.push_back(depth);
  return int(program_->nodes.size()) - 1;
}

int VbParser::addLiteral(const VbValue& value) {
  int i = add(Op::Literal, -1);
  program_->nodes[i].literal = value;
  return i;
}

int VbParser::expression() { return binary(0); }

// Levels: 0 Imp, 1 Eqv, 2 Xor, 3 Or, 4 And, [Not], 5 comparisons, 6 &,
// 7 + -, 8 Mod, 9 \, 10 * /; then ^, then signs.
int VbParser::binary(int level) {
  if (level == kNotLevel) return notExpression();
  if (level >= kLevels) return power();
  enter();
  int left = binary(level + 1);
  for (;;) {
    Op op;
    switch (level) {
      case 0: if (!isKeyword(Keyword::Imp)) goto done; op = Op::Imp; break;
      case 1: if (!isKeyword(Keyword::Eqv)) goto done; op = Op::Eqv; break;
      case 2: if (!isKeyword(Keyword::Xor)) goto done; op = Op::Xor; break;
      case 3: if (!isKeyword(Keyword::Or)) goto done; op = Op::Or; break;
      case 4: if (!isKeyword(Keyword::And)) goto done; op = Op::And; break;
      case 6: if (token_ != Token::Ampersand) goto done; op = Op::Concatenate; break;
      case 7:
        if (token_ == Token::Plus) op = Op::Add;
        else if (token_ == Token::Minus) op = Op::Subtract;
        else goto done;
        break;
      case 8: if (!isKeyword(Keyword::Mod)) goto done; op = Op::Modulo; break;
      case 9: if (token_ != Token::Backslash) goto done; op = Op::IntegerDivide; break;
      default:
        if (token_ == Token::Star) op = Op::Multiply;
        else if (token_ == Token::Slash) op = Op::Divide;
        else goto done;
        break;
    }
    next();
    left = add(op, left, binary(level + 1));
  }
done:
  leave();
  return left;
}

int VbParser::notExpression() {
  enter();
  int result;
  if (isKeyword(Keyword::Not)) {
    next();
    result = add(Op::Not, notExpression());
  } else {
    result = binary(kNotLevel + 1);
    for (;;) {
      Op op;
      switch (token_) {
        case Token::Equal: op = Op::Equal; break;
        case Token::NotEqual: op = Op::NotEqual; break;
        case Token::Less: op = Op::Less; break;
        case Token::Greater: op = Op::Greater; break;
        case Token::LessEqual: op = Op::LessEqual; break;
        case Token::GreaterEqual: op = Op::GreaterEqual; break;
        default: goto done;
      }
      next();
      result = add(op, result, binary(kNotLevel + 1));
    }
  }
done:
  leave();
  return result;
}

// A sign binds tighter than ^: -3^2 is 9 and 2^-1 is 0.5.
int VbParser::unary() {
  enter();
  int result;
  if (token_ == Token::Minus) {
    next();
    int operand = unary();
    const VbProgram::Node& node = program_->nodes[operand];
    VbValue::Type type = node.literal.type();
    if (node.op == Op::Literal &&
        (type == VbValue::Type::Integer || type == VbValue::Type::Long || type == VbValue::Type::Double)) {
      // A negative number written out stays a literal.
      program_->nodes[operand].literal = VbOperators::Negate(node.literal);
      result = operand;
    } else {
      result = add(Op::Negate, operand);
    }
  } else if (token_ == Token::Plus) {
    next();
    result = unary();
  } else {
    result = primary();
  }
  leave();
  return result;
}

int VbParser::power() {
  enter();
  int left = unary();
  while (token_ == Token::Caret) {
    next();
    left = add(Op::Power, left, unary());
  }
  leave();
  return left;
}

int VbParser::primary() {
  enter();
  int result = -1;
  switch (token_) {
    case Token::Number:
    case Token::String:
    case Token::Date:
      result = addLiteral(value_);
      next();
      break;
    case Token::LeftParen:
      next();
      result = expression();
      if (token_ != Token::RightParen) fail(VbError::ExpectedCloseParen);
      next();
      break;
    case Token::AtName:
      result = variable(word_, true);
      next();
      break;
    case Token::Name: result = name(); break;
    default: fail(VbError::SyntaxError);
  }
  leave();
  return result;
}

int VbParser::name() {
  if (keyword_ != Keyword::None) fail(VbError::SyntaxError);
  QString word = word_;
  next();
  if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return addLiteral(VbValue::Boolean(true));
  if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return addLiteral(VbValue::Boolean(false));
  if (word.compare(QLatin1String("Null"), Qt::CaseInsensitive) == 0) return addLiteral(VbValue::Null());
  if (word.compare(QLatin1String("Empty"), Qt::CaseInsensitive) == 0) return addLiteral(VbValue());
  if (token_ == Token::LeftParen) return call(word);
  VbValue constant;
  if (VbFunctions::FindConstant(word, &constant)) return addLiteral(constant);
  VbFunctions::Signature signature;
  if (VbFunctions::Find(word, &signature)) {
    if (signature.minArgs > 0) fail(VbError::WrongArgumentCount, signature.name);
    int node = add(Op::Call, -1);
    program_->nodes[node].index = signature.id;
    return node;
  }
  return variable(word, false);
}

int VbParser::call(const QString& word) {
  VbFunctions::Signature signature;
  // Calling anything but a built-in function (a variable, CreateObject, ...)
  // is refused as the language refuses an unknown procedure.
  if (!VbFunctions::Find(word, &signature)) fail(VbError::TypeMismatch, word);
  next();  // "("
  int argv[VbProgram::MaxArguments];
  int count = 0;
  if (token_ != Token::RightParen) {
    for (;;) {
      if (token_ == Token::Comma || token_ == Token::RightParen) fail(VbError::SyntaxError);
      int argument = expression();
      if (count == VbProgram::MaxArguments) fail(VbError::WrongArgumentCount, signature.name);
      argv[count++] = argument;
      if (token_ == Token::Comma) {
        next();
        continue;
      }
      if (token_ != Token::RightParen) fail(VbError::ExpectedCloseParen);
      break;
    }
  }
  next();  // ")"
  if (count < signature.minArgs || count > signature.maxArgs) fail(VbError::WrongArgumentCount, signature.name);
  int depth = 0;
  for (int i = 0; i < count; ++i) depth = std::max(depth, nodeDepth_[argv[i]]);
  if (depth + 1 > MaxDepth) fail(VbError::OutOfStack);
  int node = add(Op::Call, -1);
  nodeDepth_[node] = depth + 1;
  VbProgram::Node& n = program_->nodes[node];
  n.index = signature.id;
  n.firstArgument = int(program_->arguments.size());
  n.argumentCount = count;
  for (int i = 0; i < count; ++i) program_->arguments.push_back(argv[i]);
  return node;
}

int VbParser::variable(const QString& word, bool at) {
  int slot = -1;
  for (int i = 0; i < program_->names.size(); ++i) {
    if (program_->atNames[i] == at && program_->names[i].compare(word, Qt::CaseInsensitive) == 0) {
      slot = i;
      break;
    }
  }
  if (slot < 0) {
    slot = int(program_->names.size());
    program_->names.append(word);
    program_->atNames.push_back(at);
  }
  int node = add(Op::Variable, -1);
  program_->nodes[node].index = slot;
  return node;
}

}  // namespace rd
