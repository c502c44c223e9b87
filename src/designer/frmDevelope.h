#pragma once
#include <QDialog>
#include <functional>

#include "designer/DesignSnapshot.h"
#include "platform/ui/Ui.h"

class QMenu;

namespace rd {

class FlexGrid;
class ImageList;
class Toolbar;
class ToolbarButton;
class TreeNode;
class TreeView;
class ctlSplitterEx;

// The designer's main window: the object classes of tblClass in a tree,
// the tables, record sources or modules of the chosen class in a list,
// and pop-up menus that open their editors, delete them and turn designed
// tables into real ones.
//
// The record source and module editors are opened by class name. Before
// showing them this window sets, by property name, on "frmRecordset"
// Form (this window), EditMode, ID (the list row) and RsName, then calls
// RefreshData(filter); on "frmModuleEdit" Form, EditMode and SelectRow
// (the list row), then calls InitControl() and, to modify, GetData(). The
// module editor reads the row from the list "lvDetail", columns 1 to 12.
//
// When it closes, open module windows and viewers follow the record sources
// and modules saved or deleted meanwhile (FollowDesignChange).
class frmDevelope : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QObject* lvDetail READ lvDetailObject)
 public:
  explicit frmDevelope(QWidget* parent = nullptr);

  TreeView* trvModule() const { return trvModule_; }
  FlexGrid* lvDetail() const { return lvDetail_; }
  Toolbar* tbrMain() const { return tbrMain_; }
  ctlSplitterEx* ctlSplitterEx1() const { return ctlSplitterEx1_; }
  // The pop-up menu of the class chosen in the tree; null for the root or
  // an unknown class.
  QMenu* PopupMenu() const;

 public slots:
  void trvModule_NodeClick(rd::TreeNode* node);
  void tbrMain_ButtonClick(rd::ToolbarButton* button);
  void lvDetail_DblClick();

  void mnuAddTable_Click();
  void mnuModifyTable_Click();
  void mnuCreateTable_Click();
  void mnuDropTable_Click();
  void mnuAddRs_Click();
  void mnuModifyRs_Click();
  void mnuDeleteRs_Click();
  void mnuAddModule_Click();
  void mnuModifyModule_Click();
  void mnuDeleteModule_Click();

 protected:
  // Shows an editor modally; replaced by tests.
  virtual void RunEditor(QWidget* editor);
  void resizeEvent(QResizeEvent* event) override;
  void done(int result) override;

 private:
  QObject* lvDetailObject() const;
  void InitTree();
  void BuildMenus();
  QString SelectedClass() const;
  // Shows the current rows of the chosen class again.
  void RefreshList();
  void ShowPopup(QPoint at);
  // The name in column 1 of the first selected row, or none.
  bool FirstSelected(int* row, QString* name) const;
  // Asks for each selected row in turn and deletes the confirmed ones.
  void DeleteSelected(const std::function<bool(const QString&, QString*)>& deleteOne);
  void CreateTable(const QString& tableName);
  void OpenTableStructure(int editMode, const QString& tableName, const QString& command);
  QWidget* CreateEditor(const QString& className, int editMode, int captionKey);
  void Show(QWidget* editor);
  void Say(const QString& text, MsgIcon icon);

  Toolbar* tbrMain_;
  ImageList* imgBar_;
  ImageList* imgTreeView_;
  TreeView* trvModule_;
  FlexGrid* lvDetail_;
  ctlSplitterEx* ctlSplitterEx1_;
  QMenu* mnuTable_;
  QMenu* mnuRs_;
  QMenu* mnuModule_;
  DesignSnapshot designBefore_;
};

}  // namespace rd
