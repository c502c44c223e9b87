#pragma once
#include <QString>

#include "platform/script/VbValue.h"

namespace rd {

// Fast forms of the conversions that every calculation runs: the same
// results as VbValue::FromOperandText and VbValue::ToText, with the common
// cases (short plain numbers) done without the general parser.
namespace OperandText {
VbValue ToOperand(const QString& text);
// Text of a result; false in *ok when it has none (Null, or an error).
QString FromResult(const VbValue& value, bool* ok);
}  // namespace OperandText

}  // namespace rd
