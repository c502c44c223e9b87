#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "DesignerFixture.h"
#include "browse/modToolbar.h"
#include "designer/DesignerWindows.h"
#include "designer/ToolbarTab.h"
#include "designer/frmDevelope.h"
#include "designer/frmModuleEdit.h"
#include "designer/frmToolbarEdit.h"
#include "edit/ModalShow.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeNode.h"
#include "platform/widgets/TreeView.h"

namespace {

enum Mode { Browse, View, Add, Modify };
const char* kModeNames[] = {"Browse", "View", "Add", "Modify"};

// The sample database with the administrator logged in, and the sample
// module "Customers" given the buttons A to D (stored out of sequence) in
// every mode and a custom toolbar in Browse and Modify.
class ModuleDatabase : public DesignerDatabase {
 public:
  ModuleDatabase() {
    rd::UserInfo = std::make_unique<rd::clsUserInfo>();
    rd::UserInfo->LoginUser = "admin";
    Exec("update tblMenu set BrowseToolbar='Custom',ModifyToolbar='custom' where ID='Customers'");
    for (const char* mode : kModeNames) {
      int index = 40;
      for (const char* text : {"D", "C", "B", "A"})
        Exec(QString("insert into tblToolbar(MenuID,ButtonType,Text,ToolTipText,Image,"
                     "ButtonFunction,ButtonIndex,Mode) values('Customers','Custom','%1','','',"
                     "'',%2,'%3')")
                 .arg(text)
                 .arg(index -= 10)
                 .arg(mode));
    }
  }

  // The texts of a module's buttons of one mode, in button order.
  static QString Order(const QString& menuId, const QString& mode) {
    return Column("select Text from tblToolbar where MenuID=" + rd::SqlLiteral(menuId) +
                  " and Mode='" + mode + "' order by ButtonIndex")
        .join(',');
  }
  // Every stored row of both tables, to compare before and after.
  static QStringList Dump() {
    return Column("select ID||'|'||ifnull(MenuIndex,'')||'|'||ifnull([Language],'')||'|'||"
                  "ifnull(Parent,'') from tblMenu order by ID") +
           Column("select ID||'|'||MenuID||'|'||Text||'|'||ButtonIndex||'|'||Mode from "
                  "tblToolbar order by ID");
  }
};

// The development window listing the modules, never shown.
class Develope : public rd::frmDevelope {
 public:
  Develope() {
    rd::TreeNode* node = trvModule()->Node("Module");
    trvModule()->SetSelectedItem(node);
    trvModule_NodeClick(node);
  }
  int RowOf(const QString& id) const {
    for (int r = 1; r < lvDetail()->Rows(); ++r)
      if (lvDetail()->TextMatrix(r, 1) == id) return r;
    return -1;
  }
  std::function<void(QWidget*)> onEditor;

 protected:
  void RunEditor(QWidget* editor) override {
    if (onEditor) onEditor(editor);
  }
};

// Opened as the development window opens it: members by name, then
// InitControl and, for an existing module, GetData.
std::unique_ptr<rd::frmModuleEdit> Open(Develope& dev, const QString& id = QString()) {
  auto edit = std::make_unique<rd::frmModuleEdit>();
  edit->setProperty("Form", QVariant::fromValue<QObject*>(&dev));
  edit->setProperty("EditMode", id.isEmpty() ? 0 : 1);
  edit->setWindowTitle("Develope Tool - Add");
  if (!id.isEmpty()) edit->setProperty("SelectRow", dev.RowOf(id));
  QMetaObject::invokeMethod(edit.get(), "InitControl");
  if (!id.isEmpty()) QMetaObject::invokeMethod(edit.get(), "GetData");
  return edit;
}

rd::FlexGrid& Grid(rd::frmModuleEdit& edit, int mode) { return *edit.Tab(mode)->Grid(); }

QString GridOrder(rd::frmModuleEdit& edit, int mode) {
  QStringList texts;
  for (int r = 1; r < Grid(edit, mode).Rows(); ++r) texts << Grid(edit, mode).TextMatrix(r, 4);
  return texts.join(',');
}

void Select(rd::FlexGrid& grid, const QList<int>& rows) {
  grid.selectionModel()->clear();
  for (int row : rows)
    grid.selectionModel()->select(grid.model()->index(row - 1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool Saved(rd::frmModuleEdit& edit) {
  edit.cmdSave()->click();
  return edit.result() == QDialog::Accepted;
}

// Answers the next button editor with a function of the dialog.
void WhenButtonEditorOpens(const std::function<void(rd::frmToolbarEdit&)>& answer) {
  rd::ModalShow::SetRunner([answer](QDialog* dialog) {
    auto* editor = qobject_cast<rd::frmToolbarEdit*>(dialog);
    QVERIFY(editor);
    answer(*editor);
  });
}

void ChooseType(rd::frmToolbarEdit& e, const QString& type) {
  e.cboButtonType()->setCurrentIndex(e.cboButtonType()->findText(type));
  emit e.cboButtonType()->activated(e.cboButtonType()->currentIndex());
}

// Adds a button to a tab through the button editor.
void AddButton(rd::frmModuleEdit& edit, int mode, const QString& type, const QString& text,
               const QString& toolTip = QString(), const QString& function = QString()) {
  WhenButtonEditorOpens([&](rd::frmToolbarEdit& e) {
    ChooseType(e, type);
    e.cboText()->setEditText(text);
    e.txtToolTipText()->setText(toolTip);
    e.txtFunction()->setText(function);
    e.cmdOK()->click();
  });
  edit.Tab(mode)->Command("Add")->click();
  rd::ModalShow::SetRunner({});
}

// A window as the toolbar builder sees one.
class Host : public QWidget {
 public:
  Host() : images(new rd::ImageList(this)), bar(new rd::Toolbar(this)) {
    bar->setObjectName("tbrMain");
    rd::AddStandardImages(*images);
    bar->SetImageList(images);
  }
  QString Keys() const {
    QStringList keys;
    for (int i = 1; i <= bar->ButtonCount(); ++i) keys << bar->Button(i)->Key();
    return keys.join(',');
  }
  rd::ImageList* images;
  rd::Toolbar* bar;
};

}  // namespace

class ModuleEditTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { rd::ModalShow::SetRunner({}); }
  void movesSaveAndReload_data();
  void movesSaveAndReload();
  void newModuleIsBuiltAsSaved();
  void buttonEditor();
  void deleteRemovesEverySelectedRow();
  void changedIdTakesItsToolbarRows();
  void refusals_data();
  void refusals();
  void relationMustBeTwoColumnNames_data();
  void relationMustBeTwoColumnNames();
  void failedSaveKeepsOldRowsAndWindow();
  void openedByTheDevelopmentWindow();
};

void ModuleEditTest::movesSaveAndReload_data() {
  QTest::addColumn<int>("mode");
  QTest::addColumn<int>("selected");  // -1 none
  QTest::addColumn<QString>("command");
  QTest::addColumn<QString>("order");
  QTest::newRow("top from 3") << int(Browse) << 3 << "Top" << "C,A,B,D";
  QTest::newRow("top on the first row") << int(View) << 1 << "Top" << "A,B,C,D";
  QTest::newRow("up from 3") << int(Add) << 3 << "Previous" << "A,C,B,D";
  QTest::newRow("up on the first row") << int(Modify) << 1 << "Previous" << "A,B,C,D";
  QTest::newRow("down from 2") << int(Browse) << 2 << "Next" << "A,C,B,D";
  QTest::newRow("down on the last row") << int(View) << 4 << "Next" << "A,B,C,D";
  QTest::newRow("bottom from 2") << int(Modify) << 2 << "Bottom" << "A,C,D,B";
  QTest::newRow("bottom without a selection") << int(Add) << -1 << "Bottom" << "A,B,C,D";
}

void ModuleEditTest::movesSaveAndReload() {
  QFETCH(int, mode);
  QFETCH(int, selected);
  QFETCH(QString, command);
  QFETCH(QString, order);
  ModuleDatabase db;
  Develope dev;
  auto edit = Open(dev, "Customers");
  for (int m = Browse; m <= Modify; ++m) QCOMPARE(GridOrder(*edit, m), QString("A,B,C,D"));
  QVERIFY(edit->Tab(Browse)->IsCustom() && edit->Tab(Modify)->IsCustom());
  QVERIFY(!edit->Tab(View)->IsCustom() && !edit->Tab(Add)->IsCustom());
  Select(Grid(*edit, mode), selected == -1 ? QList<int>{} : QList<int>{selected});
  edit->Tab(mode)->Command(command)->click();
  QVERIFY(Saved(*edit));

  // Every mode is written again, numbered 1 to n in the grid's order,
  // the standard ones too.
  for (int m = Browse; m <= Modify; ++m) {
    QCOMPARE(db.Order("Customers", kModeNames[m]), m == mode ? order : QString("A,B,C,D"));
    QCOMPARE(db.Column(QString("select group_concat(ButtonIndex) from (select ButtonIndex from "
                               "tblToolbar where MenuID='Customers' and Mode='%1' order by "
                               "ButtonIndex)")
                           .arg(kModeNames[m])),
             QStringList{"1,2,3,4"});
  }
  QCOMPARE(db.Column("select BrowseToolbar||ViewToolbar||AddToolbar||ModifyToolbar||Parent||"
                     "FormTemplateName||RsName from tblMenu where ID='Customers'"),
           QStringList{"CustomStandardStandardCustommnuBasicSingleRsCustomer"});
  dev.trvModule_NodeClick(dev.trvModule()->Node("Module"));
  auto again = Open(dev, "Customers");
  QCOMPARE(GridOrder(*again, mode), order);
  QCOMPARE(again->cboParent()->currentText(), QString("mnuBasic"));
}

void ModuleEditTest::newModuleIsBuiltAsSaved() {
  ModuleDatabase db;
  Develope dev;
  auto edit = Open(dev);
  QCOMPARE(edit->cboParent()->currentText(), QString("Top"));
  QCOMPARE(edit->cboFormTemplate()->currentText(), QString("SingleRs"));
  edit->txtID()->setText(" Suppliers ");
  edit->txtMenuIndex()->setText("4");
  edit->txtLanguage()->setText("Suppliers");
  AddButton(*edit, Browse, "Standard", "Add");
  AddButton(*edit, Modify, "Custom", "Hello", "Say it's done", "SystemFunction=<Test>");
  edit->Tab(Modify)->Option(1)->setChecked(true);
  QVERIFY(Saved(*edit));
  QCOMPARE(db.Ui().boxes.size(), 0);

  QCOMPARE(db.Column("select ID||'|'||MenuIndex||'|'||[Language]||'|'||Parent||'|'||"
                     "ifnull(RsName,'<null>')||'|'||FormTemplateName||'|'||BrowseToolbar||"
                     "ViewToolbar||AddToolbar||ModifyToolbar from tblMenu where ID='Suppliers'"),
           QStringList{"Suppliers|4|Suppliers|0|<null>|SingleRs|StandardStandardStandardCustom"});
  // Type, key, tooltip, image and function are empty text, the parameters NULL.
  QCOMPARE(db.Column("select Mode||'|'||ButtonIndex||'|'||ButtonType||'|'||Text||'|'||"
                     "ToolTipText||'|'||Image||'|'||ButtonFunction||'|'||"
                     "ifnull(Parameter1,'<null>') from tblToolbar where MenuID='Suppliers' "
                     "order by Mode"),
           (QStringList{"Browse|1|Standard|Add||||<null>",
                        "Modify|1|Custom|Hello|Say it's done||SystemFunction=<Test>|<null>"}));

  // The browse and editor windows build these toolbars.
  Host host;
  rd::BuildToolbar(&host, "Suppliers", "Browse");
  QCOMPARE(host.Keys(), QString("Add,Modify,Delete,Query,Print,Refresh,Close"));
  rd::BuildToolbar(&host, "Suppliers", "Modify");
  QCOMPARE(host.Keys(), QString("Hello,Close"));
  rd::ToolbarButton* hello = host.bar->Button("Hello");
  QCOMPARE(hello->ToolTipText(), QString("Say it's done"));
  QVERIFY(rd::ExecuteButtonFunction(&host, "Suppliers", hello));
  QCOMPARE(db.Ui().texts(), QStringList{"Function"});
}

void ModuleEditTest::buttonEditor() {
  ModuleDatabase db;
  Develope dev;
  auto edit = Open(dev, "Customers");
  rd::FlexGrid& grid = Grid(*edit, Browse);
  grid.SetTextMatrix(2, 3, QString());  // a row without a type

  QStringList seen;
  WhenButtonEditorOpens([&](rd::frmToolbarEdit& e) {
    QCOMPARE(e.windowTitle(), QString("Toolbar Edit"));
    QCOMPARE(e.cboButtonType()->currentText(), QString("Custom"));
    QCOMPARE(e.cboText()->currentText(), QString("B"));
    ChooseType(e, "Standard");
    ChooseType(e, "Standard");
    for (int i = 0; i < e.cboText()->count(); ++i) seen << e.cboText()->itemText(i);
    QVERIFY(e.txtToolTipText()->isReadOnly() && e.txtPara(3)->isReadOnly());
    QVERIFY(!e.cmdImage()->isEnabled());
    ChooseType(e, "Custom");
    QCOMPARE(e.cboText()->count(), 0);
    QVERIFY(!e.txtFunction()->isReadOnly() && e.cmdImage()->isEnabled());
    db.Ui().files = QStringList{"/tmp/icons/mail.png", ""};
    e.cmdImage()->click();
    e.cmdImage()->click();  // cancelled: the path stays
    QCOMPARE(e.txtImage()->text(), QString("/tmp/icons/mail.png"));
    e.txtPara(1)->setPlainText("line 1\nline 2");
    e.cmdOK()->click();
  });
  grid.SetRow(2);
  edit->Tab(Browse)->Command("Modify")->click();
  QCOMPARE(seen.join(','), QString("Add,Modify,Delete,Query,Print"));
  QCOMPARE(grid.Rows(), 5);
  QCOMPARE(grid.TextMatrix(2, 2), QString("Customers"));
  QCOMPARE(grid.TextMatrix(2, 3), QString("Custom"));
  QCOMPARE(grid.TextMatrix(2, 6), QString("/tmp/icons/mail.png"));
  QCOMPARE(grid.TextMatrix(2, 8), QString("line 1\nline 2"));

  // A master-detail module offers View first; Cancel adds nothing.
  edit->cboFormTemplate()->setCurrentIndex(edit->cboFormTemplate()->findText("MultiRs"));
  seen.clear();
  WhenButtonEditorOpens([&](rd::frmToolbarEdit& e) {
    seen << e.cboText()->itemText(0);
    e.cmdCancel()->click();
  });
  edit->Tab(View)->Command("Add")->click();
  QCOMPARE(seen, QStringList{"View"});
  QCOMPARE(Grid(*edit, View).Rows(), 5);

  // Double-clicks change a button, except on the Modify tab.
  int opened = 0;
  WhenButtonEditorOpens([&](rd::frmToolbarEdit& e) {
    ++opened;
    e.cmdCancel()->click();
  });
  Grid(*edit, Add).SetRow(1);
  emit Grid(*edit, Add).DblClick(1);
  Grid(*edit, Modify).SetRow(1);
  emit Grid(*edit, Modify).DblClick(1);
  QCOMPARE(opened, 1);
}

void ModuleEditTest::deleteRemovesEverySelectedRow() {
  ModuleDatabase db;
  Develope dev;
  auto edit = Open(dev, "Customers");
  rd::FlexGrid& grid = Grid(*edit, View);
  Select(grid, {});
  edit->Tab(View)->Command("Delete")->click();
  QCOMPARE(db.Ui().boxes.size(), 0);

  Select(grid, {1, 3, 4});
  db.Ui().answers = {rd::MsgResult::Cancel};
  edit->Tab(View)->Command("Delete")->click();
  QCOMPARE(GridOrder(*edit, View), QString("A,B,C,D"));
  edit->Tab(View)->Command("Delete")->click();
  QCOMPARE(GridOrder(*edit, View), QString("B"));
  QCOMPARE(db.Ui().boxes.size(), 2);
  QCOMPARE(db.Ui().boxes[1].text, QString("Delete the selected records?"));
  QCOMPARE(db.Ui().boxes[1].title, QString("Develope Tool - Add"));
  QVERIFY(Saved(*edit));
  QCOMPARE(db.Order("Customers", "View"), QString("B"));
}

void ModuleEditTest::changedIdTakesItsToolbarRows() {
  ModuleDatabase db;
  // Grants of the module, of its buttons, and of a module whose ID starts
  // with the renamed one's.
  db.Exec("insert into tblMenu (ID, Parent, [Language]) values ('customers-old', 'mnuBasic', 'x')");
  for (const char* key : {"customers", "Customers-Add-Browse", "Customers-Print-View",
                          "customers-old", "customers-old-Add-Browse", "Items"})
    db.Exec(QString("insert into tblPrivilege values ('O''Brien', '%1')").arg(key));
  db.Exec("insert into tblPrivilegeID (MenuID, PriName, PriDesc, Mode) "
          "values ('customers', 'Approve', 'Approve', 'Browse')");
  Develope dev;
  auto edit = Open(dev, "Customers");
  edit->txtID()->setText("Clients");
  QVERIFY(Saved(*edit));
  QCOMPARE(db.Column("select ID from tblMenu where ID in ('Customers','Clients')"),
           QStringList{"Clients"});
  QCOMPARE(db.Column("select count(*) from tblToolbar where MenuID='Customers'"),
           QStringList{"0"});
  QCOMPARE(db.Column("select count(*) from tblToolbar where MenuID='Clients'"),
           QStringList{"16"});
  QCOMPARE(db.Column("select ModuleID from tblPrivilege where UserName='O''Brien' order by 1"),
           (QStringList{"Clients", "Clients-Add-Browse", "Clients-Print-View", "customers-old",
                        "customers-old-Add-Browse", "Items"}));
  QCOMPARE(db.Column("select MenuID from tblPrivilegeID where PriName='Approve'"),
           QStringList{"Clients"});

  // The entries below a renamed menu entry move along with it.
  auto menu = Open(dev, "mnuBasic");
  menu->txtID()->setText("mnuMasterData");
  QVERIFY(Saved(*menu));
  QCOMPARE(db.Column("select count(*) from tblMenu where Parent='mnuBasic'"), QStringList{"0"});
  QCOMPARE(db.Column("select Parent from tblMenu where ID='Clients'"),
           QStringList{"mnuMasterData"});
}

void ModuleEditTest::refusals_data() {
  QTest::addColumn<QString>("module");  // empty: a new one
  QTest::addColumn<QString>("id");
  QTest::addColumn<QString>("parent");
  QTest::addColumn<QString>("message");  // empty: saved
  QTest::newRow("empty ID") << "Customers" << "  " << "mnuBasic"
                            << "Please enter the ID of the module.";
  QTest::newRow("ID of another module, other case")
      << "Customers" << "items" << "mnuBasic"
      << "The ID \"items\" is already used by another menu item. Please enter another ID.";
  QTest::newRow("new module with a used ID")
      << "" << "Units" << "Top"
      << "The ID \"Units\" is already used by another menu item. Please enter another ID.";
  QTest::newRow("parent is the module itself")
      << "Customers" << "Customers" << "Customers"
      << "The module Customers cannot be placed under Customers: Customers is the module "
         "itself or lies below it.";
  QTest::newRow("parent below it, ID changed")
      << "mnuBasic" << "mnuBase" << "Customers"
      << "The module mnuBase cannot be placed under Customers: Customers is the module itself "
         "or lies below it.";
  QTest::newRow("own ID in other case") << "Customers" << "CUSTOMERS" << "mnuBasic" << "";
  QTest::newRow("parent in another branch") << "mnuBasic" << "mnuBasic" << "mnuSales" << "";
}

void ModuleEditTest::refusals() {
  QFETCH(QString, module);
  QFETCH(QString, id);
  QFETCH(QString, parent);
  QFETCH(QString, message);
  ModuleDatabase db;
  const QStringList before = db.Dump();
  Develope dev;
  auto edit = Open(dev, module);
  edit->txtID()->setText(id);
  edit->cboParent()->setCurrentIndex(edit->cboParent()->findText(parent));
  QCOMPARE(edit->cboParent()->currentText(), parent);
  QCOMPARE(Saved(*edit), message.isEmpty());
  if (message.isEmpty()) {
    QCOMPARE(db.Ui().boxes.size(), 0);
    QCOMPARE(db.Column("select Parent from tblMenu where ID=" + rd::SqlLiteral(id)),
             QStringList{parent});
    return;
  }
  QCOMPARE(db.Ui().texts(), QStringList{message});
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Exclamation);
  QCOMPARE(db.Dump(), before);
}

void ModuleEditTest::relationMustBeTwoColumnNames_data() {
  QTest::addColumn<QString>("relation");
  QTest::addColumn<bool>("saved");
  QTest::newRow("SQL in it") << "BillNo=BillNo or 1=1 or BillNo" << false;
  QTest::newRow("statement after it") << "BillNo=BillNo;delete from SalesBillLine" << false;
  QTest::newRow("no equals sign") << "BillNo" << false;
  QTest::newRow("no master field") << "=BillNo" << false;
  QTest::newRow("blank inside a name") << "Bill No=BillNo" << false;
  QTest::newRow("quoted name") << "BillNo=[BillNo]" << false;
  QTest::newRow("two names, blanks around") << " billno = BillNo " << true;
  QTest::newRow("blank: no relation") << "" << true;
}

void ModuleEditTest::relationMustBeTwoColumnNames() {
  QFETCH(QString, relation);
  QFETCH(bool, saved);
  ModuleDatabase db;
  const QStringList before = db.Dump();
  Develope dev;
  auto edit = Open(dev, "SalesBills");
  edit->txtRelation()->setText(relation);
  QCOMPARE(Saved(*edit), saved);
  if (saved) {
    QCOMPARE(db.Ui().boxes.size(), 0);
    QCOMPARE(db.Column("select coalesce(Relation, '') from tblMenu where ID='SalesBills'"),
             QStringList{relation.trimmed()});
    return;
  }
  QCOMPARE(db.Ui().texts(),
           QStringList{QString("The relation \"%1\" of the module SalesBills is not two column "
                               "names joined by \"=\": the master's column, then the detail's "
                               "column, such as BillNo=BillNo.")
                           .arg(relation.trimmed())});
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Exclamation);
  QCOMPARE(db.Dump(), before);
}

void ModuleEditTest::failedSaveKeepsOldRowsAndWindow() {
  ModuleDatabase db;
  db.Exec("create trigger refuse before insert on tblToolbar when new.Mode='Modify' "
          "begin select raise(abort, 'no modify buttons'); end");
  const QStringList before = db.Dump();
  Develope dev;
  auto edit = Open(dev, "Customers");
  edit->txtID()->setText("Clients");
  edit->txtLanguage()->setText("Clients");
  QVERIFY(!Saved(*edit));
  QCOMPARE(db.Ui().boxes.size(), 1);
  QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Critical);
  QVERIFY(db.Ui().boxes[0].text.contains("no modify buttons"));
  QCOMPARE(db.Dump(), before);
  // The input stays for another try.
  QCOMPARE(edit->txtLanguage()->text(), QString("Clients"));
  db.Exec("drop trigger refuse");
  QVERIFY(Saved(*edit));
  QCOMPARE(db.Column("select [Language] from tblMenu where ID='Clients'"),
           QStringList{"Clients"});
}

void ModuleEditTest::openedByTheDevelopmentWindow() {
  ModuleDatabase db;
  rd::RegisterDesignerWindows();
  Develope dev;
  QString loaded;
  dev.onEditor = [&](QWidget* w) {
    auto* edit = qobject_cast<rd::frmModuleEdit*>(w);
    QVERIFY(edit);
    loaded = edit->txtID()->text() + ":" + GridOrder(*edit, Modify);
    edit->txtLanguage()->setText("Our customers");
    edit->cmdSave()->click();
  };
  dev.lvDetail()->SetRow(dev.RowOf("Customers"));
  dev.mnuModifyModule_Click();
  QCOMPARE(loaded, QString("Customers:A,B,C,D"));
  QCOMPARE(dev.lvDetail()->TextMatrix(dev.RowOf("Customers"), 3), QString("Our customers"));
}

QTEST_MAIN(ModuleEditTest)
#include "tst_moduleedit.moc"
