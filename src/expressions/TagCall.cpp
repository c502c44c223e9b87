#include "expressions/TagCall.h"

namespace rd {

TagCall TagCall::Value(EditorFields* window, const QString& argument, const QString& valueOf,
                       const QString& expression) {
  TagCall call;
  call.context = Context::Value;
  call.window = window;
  call.argument = argument;
  call.valueOf = valueOf;
  call.expression = expression;
  return call;
}

TagCall TagCall::Format(EditorFields* window, const QString& current, const QString& argument) {
  TagCall call;
  call.context = Context::Format;
  call.window = window;
  call.current = current;
  call.argument = argument;
  return call;
}

TagCall TagCall::BillID(const QString& billTemplate, const QString& rsName, const QString& field,
                        bool commit, const QString& argument) {
  TagCall call;
  call.context = Context::BillID;
  call.billTemplate = billTemplate;
  call.rsName = rsName;
  call.field = field;
  call.commit = commit;
  call.argument = argument;
  return call;
}

std::optional<QString> TagCall::Text(int position) const {
  switch (context) {
    case Context::Value:
      if (position == 1) return argument;
      break;
    case Context::Format:
      if (position == 1) return current;
      if (position == 2) return argument;
      break;
    case Context::BillID:
      switch (position) {
        case 0: return billTemplate;
        case 1: return rsName;
        case 2: return field;
        case 3: return commit ? QStringLiteral("True") : QStringLiteral("False");
        case 4: return argument;
      }
      break;
  }
  return std::nullopt;
}

}  // namespace rd
