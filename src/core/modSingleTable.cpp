#include "core/modSingleTable.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>

#include "core/ModuleWindow.h"
#include "platform/ui/Twips.h"

namespace rd {
namespace {

bool isBrowseForm(const QWidget* w) {
  QString name = QString::fromLatin1(w->metaObject()->className());
  name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
  return name == QLatin1String("frmSingleTable") || name == QLatin1String("frmMultiTable");
}

// Top-level windows, each followed by the MDI children of its workspaces.
QList<QWidget*> openWindows() {
  QList<QWidget*> out;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    out << top;
    for (QMdiArea* area : top->findChildren<QMdiArea*>())
      for (QMdiSubWindow* sub : area->subWindowList(QMdiArea::CreationOrder))
        if (sub->widget()) out << sub->widget();
  }
  return out;
}

}  // namespace

QWidget* FindBrowseForm(const QString& key) {
  for (QWidget* w : openWindows()) {
    if (!isBrowseForm(w)) continue;
    const auto* module = dynamic_cast<const ModuleWindow*>(w);
    if (module && module->ModuleName() == key) return w;
  }
  return nullptr;
}

bool CenterForm(QWidget* window, int height, int width) {
  if (!window) return false;
  QWidget* frame = window;
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) frame = sub;
  frame->setWindowState(Qt::WindowNoState);

  QRect area;
  const auto* sub = qobject_cast<QMdiSubWindow*>(frame);
  if (sub && sub->mdiArea()) {
    area = QRect(QPoint(0, 0), sub->mdiArea()->viewport()->size());
  } else if (QScreen* screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }

  if (frame->isWindow()) {
    // A top-level window is sized by its client area; the frame adds to it.
    const QSize extra = frame->frameGeometry().size() - frame->geometry().size();
    frame->resize(Twips::ToPx(width) - extra.width(), Twips::ToPx(height) - extra.height());
  } else {
    frame->resize(Twips::ToPx(width), Twips::ToPx(height));
  }
  const QSize size = frame->isWindow() ? frame->frameGeometry().size() : frame->size();
  const int left = (area.width() - size.width()) / 2;
  const int top = (area.height() - size.height()) / 2 - Twips::ToPx(600);
  frame->move(area.left() + qMax(0, left), area.top() + qMax(0, top));
  return true;
}

}  // namespace rd
