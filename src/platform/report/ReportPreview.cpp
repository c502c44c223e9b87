#include "platform/report/ReportPreview.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <memory>

#include "platform/report/Report.h"
#include "platform/widgets/ToolbarKeys.h"

namespace rd {

namespace {
ReportPreview::Handler& CurrentHandler() {
  static ReportPreview::Handler handler;
  return handler;
}

// The preview window, opened wide enough that no button of its toolbar
// hides behind the toolbar's extension.
class PreviewDialog : public QPrintPreviewDialog {
 public:
  using QPrintPreviewDialog::QPrintPreviewDialog;

 protected:
  void showEvent(QShowEvent* event) override {
    QPrintPreviewDialog::showEvent(event);
    const QToolBar* bar = findChild<QToolBar*>();
    const int missing = bar && !widened_ ? bar->sizeHint().width() - bar->width() : 0;
    widened_ = true;
    if (missing > 0) resize(width() + missing, height());
  }

 private:
  bool widened_ = false;
};

// Tab reaches the preview's buttons, the last of which prints; Ctrl+P
// prints too.
void GiveKeys(QPrintPreviewDialog& dialog) {
  QToolBar* bar = dialog.findChild<QToolBar*>();
  if (!bar) return;
  JoinTabChain(bar);
  const QList<QAction*> actions = bar->actions();
  if (!actions.isEmpty() && actions.last()->shortcut().isEmpty())
    actions.last()->setShortcut(QKeySequence::Print);
}

void ShowPreviewWindow(const Report& report, bool modal, QWidget* opener) {
  auto copy = std::make_shared<Report>(report);
  QWidget* parent = opener ? opener->window() : QApplication::activeWindow();
  auto* dialog = new PreviewDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(copy->Caption());
  if (!copy->Icon().isNull()) dialog->setWindowIcon(copy->Icon());
  copy->ApplyOrientation(*dialog->printer());
  GiveKeys(*dialog);
  QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                   [copy](QPrinter* printer) { copy->Render(*printer); });
  if (modal)
    dialog->exec();
  else
    dialog->show();
}
}  // namespace

void ReportPreview::Show(const Report& report, bool modal, QWidget* opener) {
  if (CurrentHandler())
    CurrentHandler()(report, modal);
  else
    ShowPreviewWindow(report, modal, opener);
}

void ReportPreview::SetHandler(Handler handler) { CurrentHandler() = std::move(handler); }

}  // namespace rd
