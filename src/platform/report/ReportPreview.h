#pragma once
#include <functional>

class QWidget;

namespace rd {

class Report;

// Shows a report in the print preview window, from which the user prints.
// The preview belongs to the window that printed (the opener), so that it
// takes input even while that window is modal; it closes with Esc, its
// close box or after printing. Modal previews return to the opener once
// closed; modeless ones stay open beside it. Each preview keeps its own copy of the report, so a
// later print does not change an open preview. Tests put in their own
// handler so that nothing blocks.
class ReportPreview {
 public:
  using Handler = std::function<void(const Report& report, bool modal)>;

  // Without an opener the active window is taken.
  static void Show(const Report& report, bool modal, QWidget* opener = nullptr);
  // An empty handler brings back the preview window.
  static void SetHandler(Handler handler);
};

}  // namespace rd
