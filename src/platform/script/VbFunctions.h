#pragma once
#include <QString>

#include "platform/script/VbValue.h"

namespace rd {

// The built-in functions and constants that expressions may use. Lookup
// happens once at parse time; Call runs one by its id and throws VbRaise.
class VbFunctions {
 public:
  struct Signature {
    int id = -1;
    int minArgs = 0;
    int maxArgs = 0;
    QString name;  // as the language spells it
  };

  // False when no built-in function has that name (any case).
  static bool Find(const QString& name, Signature* signature);
  static bool FindConstant(const QString& name, VbValue* value);
  static VbValue Call(int id, const VbValue* args, int count);
};

}  // namespace rd
