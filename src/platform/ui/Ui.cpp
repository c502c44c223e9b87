#include "platform/ui/Ui.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace rd {
namespace {

std::unique_ptr<Ui>& current() {
  static std::unique_ptr<Ui> ui;
  return ui;
}

QMessageBox::Icon iconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Critical: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// Enter in a file list picks the row the keyboard is on, also before any
// row was selected (the dialog would take the typed name instead).
class EnterPicksCurrent : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* list = qobject_cast<QAbstractItemView*>(watched);
    if (list && (key == Qt::Key_Return || key == Qt::Key_Enter) &&
        list->currentIndex().isValid() && !list->selectionModel()->hasSelection())
      list->selectionModel()->select(list->currentIndex(), QItemSelectionModel::ClearAndSelect |
                                                               QItemSelectionModel::Rows);
    return false;
  }
};

}  // namespace

MsgResult Ui::MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons, const QString& title,
                     QWidget* parent) {
  QMessageBox box(iconOf(icon), title.isEmpty() ? QApplication::applicationName() : title, text,
                  QMessageBox::NoButton, parent ? parent : QApplication::activeWindow());
  switch (buttons) {
    case MsgButtons::OkOnly: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Ok: return MsgResult::Ok;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return buttons == MsgButtons::OkOnly ? MsgResult::Ok : MsgResult::Cancel;
  }
}

QString Ui::GetOpenFileName(const QString& title, const QString& folder, const QString& filter,
                            QWidget* parent) {
  // folder may end in a proposed name: it stands in the name box.
  QFileDialog dialog(parent, title, folder, filter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  // Arrows and Enter pick an existing file: the keyboard starts in the list.
  auto* enterPicks = new EnterPicksCurrent(&dialog);
  QTimer::singleShot(0, &dialog, [&dialog, enterPicks] {
    // The dialog's two views of the files, one shown at a time.
    for (const char* name : {"listView", "treeView"}) {
      auto* list = dialog.findChild<QAbstractItemView*>(QLatin1String(name));
      if (!list) continue;
      list->installEventFilter(enterPicks);
      if (list->isVisible()) list->setFocus();
    }
  });
  if (dialog.exec() != QDialog::Accepted) return QString();
  return dialog.selectedFiles().value(0);
}

QString Ui::GetSaveFileName(const QString& title, const QString& suggested, const QString& filter,
                            QWidget* parent) {
  return QFileDialog::getSaveFileName(parent, title, suggested, filter, nullptr,
                                      QFileDialog::DontConfirmOverwrite);
}

bool Ui::OpenUrl(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

QString Ui::InputBox(const QString& prompt, const QString& title, QWidget* parent) {
  return QInputDialog::getText(parent ? parent : QApplication::activeWindow(),
                               title.isEmpty() ? QApplication::applicationName() : title, prompt);
}

Ui& Ui::Instance() {
  if (!current()) current() = std::make_unique<Ui>();
  return *current();
}

void Ui::Install(std::unique_ptr<Ui> ui) { current() = std::move(ui); }

}  // namespace rd
