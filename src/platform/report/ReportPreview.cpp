#include "platform/report/ReportPreview.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "platform/report/Report.h"

namespace rd {

namespace {
ReportPreview::Handler& CurrentHandler() {
  static ReportPreview::Handler handler;
  return handler;
}

void ShowPreviewWindow(const Report& report, bool modal, QWidget* opener) {
  auto copy = std::make_shared<Report>(report);
  QWidget* parent = opener ? opener->window() : QApplication::activeWindow();
  auto* dialog = new QPrintPreviewDialog(parent);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->setWindowTitle(copy->Caption());
  if (!copy->Icon().isNull()) dialog->setWindowIcon(copy->Icon());
  copy->ApplyOrientation(*dialog->printer());
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
