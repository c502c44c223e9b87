#include "expressions/TagRunner.h"

#include "core/Globals.h"
#include "core/modCommon.h"
#include "expressions/EditorFields.h"
#include "platform/ui/Ui.h"

namespace rd {

std::optional<QString> TagRunner::Call(const QString& name, const TagCall& call) {
  bool known = false;
  const QString result = calculate_.CallByName(name, call, &known);
  if (known) return calculate_.Failed() ? std::nullopt : std::optional<QString>(result);
  if (!reported_) {
    reported_ = true;
    MsgBox(ReplaceParams(GetLangString(1206), {name}), MsgIcon::Exclamation,
           MsgButtons::OkOnly, window_ ? window_->Caption() : AppTitle);
  }
  return std::nullopt;
}

}  // namespace rd
