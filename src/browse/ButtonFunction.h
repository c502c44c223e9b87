#pragma once
#include <QString>

namespace rd {

// The function a custom toolbar button carries in its tag:
// "kind=body|Parameter1|Parameter2|Parameter3", where a systemfunction body
// is "<Method>" or "<Method:argument>".
struct ButtonFunction {
  enum Kind { None, System, Custom, Extend, Unknown };

  // Reads a button tag. Kind None: empty tag or no "=". A systemfunction
  // without "<" in its body is None too; one whose first ">" does not
  // follow its first "<" is System with Valid false.
  static ButtonFunction Parse(const QString& tag);

  Kind kind = None;
  bool valid = true;
  QString method;
  QString argument;  // everything after "Method:", later colons kept
};

}  // namespace rd
