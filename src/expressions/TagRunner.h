#pragma once
#include <QString>
#include <optional>

#include "expressions/TagCall.h"
#include "expressions/clsCalculate.h"

namespace rd {

class EditorFields;

// Calls tag functions for one routine call, on one clsCalculate, and
// reports an unknown function once, titled with the window's caption (or
// AppTitle without a window).
class TagRunner {
 public:
  explicit TagRunner(const EditorFields* window = nullptr) : window_(window) {}

  // The function's result; nothing when no function has that name or the
  // function failed (its message shown).
  std::optional<QString> Call(const QString& name, const TagCall& call);

 private:
  clsCalculate calculate_;
  const EditorFields* window_;
  bool reported_ = false;
};

}  // namespace rd
