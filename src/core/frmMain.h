#pragma once
#include <QMainWindow>
#include <QSet>
#include <memory>

#include "platform/widgets/StatusBarPanel.h"
#include "toolkit/MenuImageList.h"

class QMdiArea;
class QTimer;

namespace rd {

class MenuTree;
class ModalRunner;
class StatusBar;
class cMenus;

// The MDI main window. Its menu bar is built from tblMenu for the current
// user (items the user holds no privilege for are disabled), followed by a
// fixed Help menu; a click runs the fixed tool named by the item's key or
// opens the module window its tag names. Closing it releases the menus,
// the connection and the user; it deletes itself when closed.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // The main window open now, or null.
  static frmMain* Current();

  // Null once the window is unloaded.
  cMenus* Menus() const { return m_Menus.get(); }
  StatusBar* stbMain() const { return stbMain_; }
  StatusBarPanel* UserNamePanel() const;
  QMdiArea* MdiArea() const { return mdiArea_; }

  // How the modal tools are shown (tests put in their own).
  void SetModalRunner(std::unique_ptr<ModalRunner> runner);

 public slots:
  // index: the clicked item's index in the menu manager.
  void m_Menus_Click(int index);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildMenus();
  // The items of tblMenu the user may see, then the Help menu; false when
  // tblMenu could not be read.
  bool AddMenuItems();
  // Where the menus themselves lie in the damaged part of the file, the
  // restore is offered at once; a restored database gives its menus.
  void OfferRestore();
  bool ReadMenuTree(MenuTree& tree) const;
  void AddHelpMenu();
  void AddStatusPanels();
  void UpdateClock();

  void OpenModule(const QString& key, const QString& caption, const QString& tag);
  QWidget* CreateModuleWindow(bool master, const QString& key, const QString& caption,
                              const QStringList& tagParts);
  void ShowChild(QWidget* window);
  // Shows the window modally, then releases it.
  void RunModal(QWidget* window);
  // The main window's icon and the caption first, then RunModal.
  void RunTool(QWidget* window, const QString& caption);
  void RunRegisteredTool(const QString& className, const QString& caption);
  void OpenUserWindow(const QString& key, const QString& caption);
  void ChangeUser(const QString& caption);

  std::unique_ptr<cMenus> m_Menus;
  MenuImageList imlMenus;
  StatusBar* stbMain_;
  QMdiArea* mdiArea_;
  QTimer* clock_;
  std::unique_ptr<ModalRunner> modal_;
};

}  // namespace rd
