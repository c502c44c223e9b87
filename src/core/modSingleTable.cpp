#include "core/modSingleTable.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStyle>
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

// Pixels of a title bar that stay inside the area, across.
constexpr int kTitleBarGrip = 100;

}  // namespace

QPoint CenteredPlace(QSize frame, QSize screen, const QRect& workspace, int titleHeight) {
  const QPoint place((screen.width() - frame.width()) / 2,
                     (screen.height() - frame.height()) / 2 - Twips::ToPx(600));
  const int grip = qMin(frame.width(), kTitleBarGrip);
  const int left = qBound(workspace.left() + grip - frame.width(), place.x(),
                          workspace.right() + 1 - grip);
  const int top = qMax(workspace.top(), qMin(place.y(), workspace.bottom() + 1 - titleHeight));
  return QPoint(left, top);
}

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
  auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  QWidget* frame = sub ? sub : window;
  frame->setWindowState(Qt::WindowNoState);

  if (frame->isWindow()) {
    // A top-level window is sized by its client area; the frame adds to it.
    const QSize extra = frame->frameGeometry().size() - frame->geometry().size();
    frame->resize(Twips::ToPx(width) - extra.width(), Twips::ToPx(height) - extra.height());
  } else {
    frame->resize(Twips::ToPx(width), Twips::ToPx(height));
  }
  QScreen* screen = frame->screen() ? frame->screen() : QGuiApplication::primaryScreen();
  if (!screen) return true;
  const QSize size = frame->isWindow() ? frame->frameGeometry().size() : frame->size();
  const QRect whole = screen->geometry();
  const int titleHeight = frame->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  // A child is placed in its workspace by the same numbers, measured from
  // the workspace's corner.
  if (sub && sub->mdiArea()) {
    const QRect workspace(QPoint(0, 0), sub->mdiArea()->viewport()->size());
    frame->move(CenteredPlace(size, whole.size(), workspace, titleHeight));
  } else {
    const QRect workspace = screen->availableGeometry().translated(-whole.topLeft());
    frame->move(CenteredPlace(size, whole.size(), workspace, titleHeight) + whole.topLeft());
  }
  return true;
}

}  // namespace rd
