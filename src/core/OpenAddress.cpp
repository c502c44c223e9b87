#include "core/OpenAddress.h"

#include "core/Globals.h"
#include "core/modCommon.h"
#include "platform/ui/Ui.h"

namespace rd {

namespace {
constexpr int kNotOpened = 1295;
}

bool OpenAddress(const QString& url, QWidget* parent) {
  Ui& ui = Ui::Instance();
  if (ui.OpenUrl(url)) return true;
  ui.MsgBox(ReplaceParams(GetLangString(kNotOpened), {url}), MsgIcon::Exclamation,
            MsgButtons::OkOnly, AppTitle, parent);
  return false;
}

}  // namespace rd
