#pragma once
#include <functional>

namespace rd {

class Report;

// Shows a report in the print preview window, from which the user prints.
// Modal previews return once closed; modeless ones stay open beside the
// window that printed. Each preview keeps its own copy of the report, so a
// later print does not change an open preview. Tests put in their own
// handler so that nothing blocks.
class ReportPreview {
 public:
  using Handler = std::function<void(const Report& report, bool modal)>;

  static void Show(const Report& report, bool modal);
  // An empty handler brings back the preview window.
  static void SetHandler(Handler handler);
};

}  // namespace rd
