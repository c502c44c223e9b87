#include "users/PrivilegeWindow.h"

#include <QApplication>
#include <QShortcut>
#include <QStyle>

#include "browse/modToolbar.h"
#include "core/modCommon.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Ui.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeView.h"
#include "toolkit/ctlSplitterEx.h"
#include "users/CentredWindow.h"
#include "users/ModuleTree.h"

namespace rd {

namespace {
// The window opens with this size, in twips.
constexpr int kWidth = 10800;
constexpr int kHeight = 7200;

void AddSelectionImages(ImageList& images) {
  QStyle* style = QApplication::style();
  const std::pair<const char*, QStyle::StandardPixmap> pictures[] = {
      {"SelectAll", QStyle::SP_DialogYesButton},
      {"Deselect", QStyle::SP_DialogNoButton},
      {"InverseSel", QStyle::SP_DialogResetButton},
      {"Save", QStyle::SP_DialogSaveButton}};
  for (const auto& [key, picture] : pictures)
    images.Add(QLatin1String(key), style->standardIcon(picture).pixmap(24, 24));
}

}  // namespace

PrivilegeWindow::PrivilegeWindow(QWidget* parent)
    : QWidget(parent),
      tbrMain_(new Toolbar(this)),
      imgBar_(new ImageList(this)),
      ctlSplitterEx1_(new ctlSplitterEx(this)),
      trvModule_(new FlexGrid(this)),
      lvDetail_(new TreeView(this)) {
  setAttribute(Qt::WA_DeleteOnClose);
  tbrMain_->setObjectName(QStringLiteral("tbrMain"));
  imgBar_->setObjectName(QStringLiteral("imgBar"));
  ctlSplitterEx1_->setObjectName(QStringLiteral("ctlSplitterEx1"));
  trvModule_->setObjectName(QStringLiteral("trvModule"));
  lvDetail_->setObjectName(QStringLiteral("lvDetail"));
  AddStandardImages(*imgBar_);
  AddSelectionImages(*imgBar_);
  tbrMain_->SetImageList(imgBar_);
  resize(Twips::ToPx(kWidth), Twips::ToPx(kHeight));
  CentreOnFirstShow(this, kHeight, kWidth);
  connect(tbrMain_, &Toolbar::ButtonClick, this, &PrivilegeWindow::tbrMain_ButtonClick);
  new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &PrivilegeWindow::Unload);
}

void PrivilegeWindow::InitToolbar(std::span<const FixedButton> buttons) {
  SetFixedButtons(*tbrMain_, buttons);
}

void PrivilegeWindow::AttachPanes(QWidget* first, QWidget* second) {
  QMetaObject::invokeMethod(ctlSplitterEx1_, "AttachObjects", Q_ARG(QWidget*, first),
                            Q_ARG(QWidget*, second), Q_ARG(bool, true));
  QMetaObject::invokeMethod(ctlSplitterEx1_, "TileMode", Q_ARG(int, 1));
}

void PrivilegeWindow::ShowModuleTree(const ModuleTree& tree) {
  lvDetail_->setUpdatesEnabled(false);
  lvDetail_->ClearNodes();
  for (const ModuleTree::Node& n : tree.Nodes()) {
    TreeNode* node = n.parentKey.isEmpty()
                         ? lvDetail_->Add(QString(), TreeView::Last, n.key, n.text)
                         : lvDetail_->Add(n.parentKey, TreeView::Child, n.key, n.text);
    if (!node) continue;
    node->SetTag(n.tag);
    if (n.parentKey.isEmpty()) node->SetExpanded(true);
  }
  lvDetail_->setUpdatesEnabled(true);
}

void PrivilegeWindow::Inform(int textKey) {
  MsgBox(GetLangString(textKey), MsgIcon::Information, MsgButtons::OkOnly, windowTitle(), this);
}

void PrivilegeWindow::Warn(int textKey) {
  MsgBox(GetLangString(textKey), MsgIcon::Exclamation, MsgButtons::OkOnly, windowTitle(), this);
}

void PrivilegeWindow::ShowError(const QString& error) {
  MsgBox(error, MsgIcon::Critical, MsgButtons::OkOnly, windowTitle(), this);
}

void PrivilegeWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int barHeight = tbrMain_->sizeHint().height();
  tbrMain_->setGeometry(0, 0, width(), barHeight);
  ctlSplitterEx1_->FillParentBelow(barHeight);
}

}  // namespace rd
