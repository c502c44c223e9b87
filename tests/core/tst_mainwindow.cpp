#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStyle>
#include <QtTest>

#include "core/Globals.h"
#include "core/ModalRunner.h"
#include "core/ModuleWindow.h"
#include "core/WindowRegistry.h"
#include "core/frmChangeUser.h"
#include "core/frmMain.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "core/modSingleTable.h"
#include "platform/ui/Twips.h"
#include "platform/widgets/StatusBar.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"
#include "toolkit/cMenus.h"

using namespace rd;

namespace fake {

// Records what the main window does with a module or tool window.
class Recording : public rd::ModuleWindow {
 public:
  QStringList calls;
  bool InitControl() override {
    calls << "InitControl " + members();
    return true;
  }
  bool RefreshData(const QString& filter) override {
    calls << "RefreshData(" + filter + ") " + members();
    return true;
  }
  QString SelectSQL() const override { return {}; }
  QString WhereArea() const override { return {}; }
  QString OrderArea() const override { return {}; }
  rd::FlexGrid* vsData() override { return nullptr; }

 protected:
  virtual QString caption() const = 0;

 private:
  QString members() const {
    return QString("ModuleName=%1 RsName=%2 RsName2=%3 Relation=%4 Caption=%5")
        .arg(ModuleName(), RsName(), RsName2(), Relation(), caption());
  }
};

class Tool : public QDialog, public Recording {
  Q_OBJECT
 public:
  using QDialog::QDialog;
  QString caption() const override { return windowTitle(); }
};

class Browse : public QWidget, public Recording {
  Q_OBJECT
 public:
  QString caption() const override { return windowTitle(); }
};

class frmSingleTable : public Browse {
  Q_OBJECT
};

class frmMultiTable : public Browse {
  Q_OBJECT
};

}  // namespace fake

namespace {

bool fakesRegistered = false;

struct Shown {
  QString name;
  QString title;
  QStringList calls;
  QPointer<QWidget> window;
};

// Records each modal window instead of blocking on it.
class RecordingRunner : public ModalRunner {
 public:
  explicit RecordingRunner(QList<Shown>* log) : log_(log) {}
  void Run(QWidget* w) override {
    const auto* recording = dynamic_cast<fake::Recording*>(w);
    log_->append({w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName(),
                  w->windowTitle(), recording ? recording->calls : QStringList(), w});
  }

 private:
  QList<Shown>* log_;
};

const QString kHelp =
    "0>mnuHelp mnuHelp>mnuContents mnuHelp>mnuSupport mnuHelp>mnuFeedback mnuHelp>mnuUpdate "
    "mnuHelp>mnuHelpBar0 mnuHelp>mnuAbout";

// Every item as "parent>key", "(off)" when disabled, in item order.
QString describe(const cMenus& m) {
  QStringList out;
  for (int i = 1; i <= m.ItemCount(); ++i) {
    const int parentID = m.Record(i)->ParentID;
    const QString parent = parentID ? m.ItemKey(m.IndexForID(parentID)) : "0";
    out << parent + ">" + m.ItemKey(i) + (m.ItemEnabled(i) ? "" : "(off)");
  }
  return out.join(' ');
}

const char* kMenuTable =
    "create table tblMenu (ID text collate nocase, MenuIndex integer, [Language] text,"
    " Parent text collate nocase, RsName text, RsName2 text, Relation text, FormTemplateName text)";

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT
  std::unique_ptr<TestProgramFolder> folder_;
  ScriptedUi* ui_ = nullptr;
  QList<Shown> shown_;

  void login(const QString& user, bool admin) {
    UserInfo = std::make_unique<clsUserInfo>();
    UserInfo->LoginUser = user;
    UserInfo->IsAdmin = admin;
  }
  // tblMenu holds just these rows: (ID, MenuIndex, Language, Parent[, RsName, RsName2,
  // Relation, FormTemplateName]) tuples.
  void useMenus(const QString& values, bool withModules = false) {
    QVERIFY(DbConnection->Execute("drop table tblMenu"));
    QVERIFY(DbConnection->Execute(kMenuTable));
    const QString columns = withModules ? "ID, MenuIndex, [Language], Parent, RsName, RsName2, "
                                          "Relation, FormTemplateName"
                                        : "ID, MenuIndex, [Language], Parent";
    if (!values.isEmpty())
      QVERIFY2(DbConnection->Execute("insert into tblMenu (" + columns + ") values " + values),
               qPrintable(DbConnection->LastError()));
  }
  void grant(const QString& user, const QStringList& modules) {
    for (const QString& m : modules)
      QVERIFY(DbConnection->ExecuteBound("insert into tblPrivilege (UserName, ModuleID) values (?, ?)",
                                         {user, m}));
  }
  frmMain* openMain() {
    auto* w = new frmMain;
    w->SetModalRunner(std::make_unique<RecordingRunner>(&shown_));
    return w;
  }
  static void click(frmMain* w, const QString& key) {
    const int index = w->Menus()->IndexForKey(key);
    QVERIFY2(index > 0, qPrintable(key));
    w->m_Menus_Click(index);
  }

 private slots:
  void initTestCase() {
    auto tool = [](const QString& name) {
      WindowRegistry::Register(name, [name](QWidget* parent) -> QWidget* {
        if (!fakesRegistered) return nullptr;
        auto* w = new fake::Tool(parent);
        w->setObjectName(name);
        return w;
      });
    };
    for (const char* name : {"frmUser", "frmPrint", "frmDevelope", "frmPrivilege", "frmPrivilegeList"})
      tool(name);
    WindowRegistry::Register("frmSingleTable", [](QWidget*) -> QWidget* {
      return fakesRegistered ? new fake::frmSingleTable : nullptr;
    });
    WindowRegistry::Register("frmMultiTable", [](QWidget*) -> QWidget* {
      return fakesRegistered ? new fake::frmMultiTable : nullptr;
    });
  }

  void init() {
    folder_ = std::make_unique<TestProgramFolder>();
    QVERIFY2(folder_->Ok(), qPrintable(folder_->Error()));
    ui_ = ScriptedUi::Install();
    ConfigFile = folder_->File("Config.ini");
    LanguageFile = folder_->File("Language/1033.ini");
    AppTitle = GetLangString(1000);
    ServerType = "ACCESS";
    DbConnection = Connection::OpenSqlite(folder_->DatabasePath());
    QVERIFY(DbConnection);
    login("admin", true);
    shown_.clear();
    fakesRegistered = true;
  }
  void cleanup() {
    for (QWidget* w : QApplication::topLevelWidgets()) w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ReleaseGlobals();
    ScriptedUi::Uninstall();
    folder_.reset();
  }

  void sampleMenuBar() {
    std::unique_ptr<frmMain> w(openMain());
    QStringList top;
    for (int i = 1; i <= w->Menus()->ItemCount(); ++i)
      if (!w->Menus()->Record(i)->ParentID) top << w->Menus()->ItemKey(i);
    QCOMPARE(top, QStringList({"mnuFile", "mnuBasic", "mnuSales", "mnuTools", "mnuHelp"}));
    QCOMPARE(w->windowTitle(), AppTitle);
    QCOMPARE(w->Menus()->DrawStyle(), 1);
    QCOMPARE(w->menuBar()->actions().size(), 5);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void statusPanels() {
    std::unique_ptr<frmMain> w(openMain());
    StatusBar* bar = w->stbMain();
    QCOMPARE(bar->PanelCount(), 5);
    QCOMPARE(bar->Panel(1), bar->Panel("UserName"));
    QCOMPARE(bar->Panel(1)->Text(), QString("User: admin"));
    QVERIFY(bar->Panel(2)->Text().startsWith("https://"));
    QVERIFY(bar->Panel(3)->Text().contains('@'));
    QCOMPARE(bar->Panel(4)->Text(), QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
    QVERIFY(!bar->Panel(5)->Text().isEmpty());
  }

  void menuTree_data() {
    QTest::addColumn<QString>("rows");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QStringList>("grants");
    QTest::addColumn<QString>("expected");
    const QString tree = "('B',10,'B','0'),('A',2,'A','0'),('A2',2,'A2','A'),('A1',1,'A1','a'),"
                         "('B1',1,'B1','B')";
    QTest::newRow("admin: MenuIndex order, children after their parent")
        << tree << true << QStringList() << "0>A A>A1 A>A2 0>B B>B1 " + kHelp;
    QTest::newRow("clerk: granted child under an ungranted parent")
        << tree << false << QStringList({"a1", "B"})
        << "0>A(off) A>A1 A>A2(off) 0>B B>B1(off) " + kHelp;
    QTest::newRow("clerk without grants keeps only Help")
        << tree << false << QStringList() << "0>A(off) A>A1(off) A>A2(off) 0>B(off) B>B1(off) " + kHelp;
    QTest::newRow("quote in an ID")
        << "('O''Neil',1,'Q','0'),('Q1',1,'Q1','O''Neil')" << false << QStringList({"O'Neil"})
        << "0>O'Neil O'Neil>Q1(off) " + kHelp;
    QTest::newRow("row that is its own parent")
        << "('0',1,'Zero','0'),('L',2,'L','0'),('L',3,'L again','L'),('M',4,'M','L')" << true
        << QStringList() << "0>L L>M " + kHelp;
    QTest::newRow("cycle not reached from the bar")
        << "('P',1,'P','Q'),('Q',1,'Q','P')" << true << QStringList() << kHelp;
    QTest::newRow("IDs made of digits keep their children")
        << "('2',1,'Two','0'),('21',1,'TwoOne','2'),('3',2,'Three','0'),('31',1,'x','3')" << true
        << QStringList() << "0>2 2>21 0>3 3>31 " + kHelp;
    QTest::newRow("NULL ID skipped, NULL parent unreachable")
        << "('A',1,null,'0'),(null,2,'NoId','0'),('B',3,'B',null)" << true << QStringList()
        << "0>A " + kHelp;
  }
  void menuTree() {
    QFETCH(QString, rows);
    QFETCH(bool, admin);
    QFETCH(QStringList, grants);
    QFETCH(QString, expected);
    useMenus(rows);
    login(admin ? "admin" : "clerk", admin);
    grant("clerk", grants);
    grant("someone else", {"A", "A2", "B1", "Q1"});
    std::unique_ptr<frmMain> w(openMain());
    QCOMPARE(describe(*w->Menus()), expected);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void tagsAndCaptions() {
    useMenus("('Cust',1,'Customers','0','Customer',null,null,'SingleRs'),"
             "('Bills',2,null,'0','SalesBill','SalesBillLine','BillNo=BillNo','MultiRs'),"
             "('T',3,'T','0',null,null,null,null)",
             true);
    std::unique_ptr<frmMain> w(openMain());
    cMenus& m = *w->Menus();
    QCOMPARE(m.ItemTag("Cust"), QString("SingleRs|Customer||"));
    QCOMPARE(m.ItemTag("Bills"), QString("MultiRs|SalesBill|SalesBillLine|BillNo=BillNo"));
    QCOMPARE(m.ItemTag("T"), QString("|||"));
    QCOMPARE(m.ItemCaption("Bills"), QString());
    QCOMPARE(m.ItemCaption("mnuHelp"), GetLangString(1043));
    QCOMPARE(m.ItemCaption("mnuAbout"), GetLangString(1048));
    QVERIFY(m.ItemSeparator("mnuHelpBar0"));
  }

  void failedMenuReadLeavesHelp() {
    QVERIFY(DbConnection->Execute("drop table tblMenu"));
    std::unique_ptr<frmMain> w(openMain());
    QCOMPARE(describe(*w->Menus()), kHelp);
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].icon, MsgIcon::Critical);
    QCOMPARE(w->UserNamePanel()->Text(), QString("User: admin"));
  }

  void helpAddresses_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opens");  // whether a program here opens the address
    QTest::newRow("contents") << "mnuContents" << "https://recorddesk.example/help/" << true;
    QTest::newRow("support") << "mnuSupport" << "https://recorddesk.example/" << true;
    QTest::newRow("feedback") << "mnuFeedback" << "mailto:support@recorddesk.example" << true;
    QTest::newRow("update") << "mnuUpdate" << "https://recorddesk.example/" << true;
    QTest::newRow("contents, no browser")
        << "mnuContents" << "https://recorddesk.example/help/" << false;
    QTest::newRow("feedback, no mail program")
        << "mnuFeedback" << "mailto:support@recorddesk.example" << false;
  }
  void helpAddresses() {
    QFETCH(QString, key);
    QFETCH(QString, url);
    QFETCH(bool, opens);
    ui_->opensUrls = opens;
    std::unique_ptr<frmMain> w(openMain());
    click(w.get(), key);
    QCOMPARE(ui_->urls, QStringList({url}));
    QVERIFY(shown_.isEmpty());
    // Where nothing opens it, the user is told, with the address to open.
    QCOMPARE(ui_->boxes.size(), opens ? 0 : 1);
    if (opens) return;
    QCOMPARE(ui_->boxes[0].icon, MsgIcon::Exclamation);
    QCOMPARE(ui_->boxes[0].text,
             url + " could not be opened: there is no web browser (or, for a mail address, no mail "
                   "program) to open it. Open the address yourself.");
  }

  void tools_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("about") << "mnuAbout" << "rd::frmAbout" << "" << QStringList();
    QTest::newRow("lock: caption after its load") << "mnuToolsLock" << "rd::frmLockScreen"
                                                  << "Lock Screen" << QStringList();
    QTest::newRow("password") << "mnuToolsPwd" << "rd::frmChangePwd" << "Change Password"
                              << QStringList();
    QTest::newRow("users") << "mnuToolsUser" << "frmUser" << "Users"
                           << QStringList({"RefreshData() ModuleName=mnuToolsUser RsName= RsName2= "
                                           "Relation= Caption=Users"});
    QTest::newRow("print") << "mnuToolsPrint" << "frmPrint" << "Print Setup" << QStringList();
    QTest::newRow("designer: nothing set") << "mnuToolsDevelop" << "frmDevelope" << ""
                                           << QStringList();
    QTest::newRow("privileges") << "mnuToolsPri" << "frmPrivilege" << "Privileges" << QStringList();
    QTest::newRow("privilege items") << "mnuToolsPriList" << "frmPrivilegeList"
                                     << "Privilege Items" << QStringList();
  }
  void tools() {
    QFETCH(QString, key);
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QStringList, calls);
    std::unique_ptr<frmMain> w(openMain());
    click(w.get(), key);
    QCOMPARE(shown_.size(), 1);
    QCOMPARE(shown_[0].name, window);
    QCOMPARE(shown_[0].title, title);
    QCOMPARE(shown_[0].calls, calls);
    QVERIFY2(!shown_[0].window, "released after closing");
    QVERIFY(ui_->boxes.isEmpty());
    QVERIFY(DbConnection);
  }

  void toolsNotBuiltYetDoNothing_data() {
    QTest::addColumn<QString>("key");
    for (const char* key : {"mnuToolsPrint", "mnuToolsUser"})
      QTest::newRow(key) << key;
  }
  void toolsNotBuiltYetDoNothing() {
    QFETCH(QString, key);
    fakesRegistered = false;
    std::unique_ptr<frmMain> w(openMain());
    click(w.get(), key);
    QVERIFY(shown_.isEmpty());
    QVERIFY(ui_->boxes.isEmpty());
    QVERIFY(w->MdiArea()->subWindowList().isEmpty());
  }

  void restoreAsksFirst() {
    std::unique_ptr<frmMain> w(openMain());
    ui_->answers << MsgResult::Cancel;
    click(w.get(), "mnuToolsRestore");
    QCOMPARE(ui_->texts(), QStringList{GetLangString(1108)});
    QVERIFY(DbConnection);
  }

  void modules_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QSize>("twips");
    const QString single = "ModuleName=Cust RsName=Customer RsName2= Relation= Caption=Customers";
    QTest::newRow("single source") << "Cust" << "fake::frmSingleTable"
                                   << QStringList({"InitControl " + single, "RefreshData() " + single})
                                   << QSize(9000, 6500);
    const QString master = "ModuleName=Bills RsName=SalesBill RsName2=SalesBillLine "
                           "Relation=BillNo=BillNo Caption=Bills";
    QTest::newRow("master-detail") << "Bills" << "fake::frmMultiTable"
                                   << QStringList({"InitControl " + master, "RefreshData() " + master})
                                   << QSize(8500, 6000);
    const QString notExit = "ModuleName=mnuexit RsName=Customer RsName2= Relation= Caption=Not exit";
    QTest::newRow("key differing from a tool only in case")
        << "mnuexit" << "fake::frmSingleTable"
        << QStringList({"InitControl " + notExit, "RefreshData() " + notExit}) << QSize(9000, 6500);
    QTest::newRow("template compared exactly") << "Lower" << "" << QStringList() << QSize();
  }
  void modules() {
    QFETCH(QString, key);
    QFETCH(QString, className);
    QFETCH(QStringList, calls);
    QFETCH(QSize, twips);
    useMenus("('Cust',1,'Customers','0','Customer',null,null,'SingleRs'),"
             "('Bills',2,'Bills','0','SalesBill','SalesBillLine','BillNo=BillNo','MultiRs'),"
             "('mnuexit',3,'Not exit','0','Customer',null,null,'SingleRs'),"
             "('Lower',4,'Lower','0','Customer',null,null,'singlers'),"
             "('Other',5,'Other','0','Customer',null,null,'SingleRs')",
             true);
    QPointer<frmMain> w = openMain();
    w->resize(1400, 1000);
    w->show();
    click(w, "Other");
    const int others = w->MdiArea()->subWindowList().size();
    click(w, key);
    click(w, key);
    QVERIFY(w);
    const QList<QMdiSubWindow*> subs = w->MdiArea()->subWindowList();
    if (className.isEmpty()) {
      QCOMPARE(subs.size(), others);
      return;
    }
    QCOMPARE(subs.size(), others + 1);
    QMdiSubWindow* sub = subs.last();
    QCOMPARE(sub->widget()->metaObject()->className(), qPrintable(className));
    QCOMPARE(dynamic_cast<fake::Recording*>(sub->widget())->calls, calls);
    QCOMPARE(w->MdiArea()->activeSubWindow(), sub);
    QVERIFY(sub->isVisible());
    QCOMPARE(sub->size(), QSize(Twips::ToPx(twips.width()), Twips::ToPx(twips.height())));
    // Centred on the screen, 600 twips above its middle.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    QCOMPARE(sub->pos(), QPoint((screen.width() - sub->width()) / 2,
                                (screen.height() - sub->height()) / 2 - Twips::ToPx(600)));
  }

  // The open browse window of a module, of either kind, by its exact name;
  // a tool window of that name never counts.
  void findBrowseForm_data() {
    QTest::addColumn<bool>("master");
    QTest::addColumn<bool>("child");  // in the main window's workspace
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("found");
    QTest::newRow("single-table window") << false << false << "Customers" << false << true;
    QTest::newRow("master window") << true << false << "Customers" << false << true;
    QTest::newRow("single-table child") << false << true << "Customers" << false << true;
    QTest::newRow("master child") << true << true << "Customers" << false << true;
    QTest::newRow("case differs") << false << true << "customers" << false << false;
    QTest::newRow("case differs, master") << true << false << "CUSTOMERS" << false << false;
    QTest::newRow("closed child") << false << true << "Customers" << true << false;
    QTest::newRow("closed master window") << true << false << "Customers" << true << false;
  }
  void findBrowseForm() {
    QFETCH(bool, master);
    QFETCH(bool, child);
    QFETCH(QString, key);
    QFETCH(bool, closed);
    QFETCH(bool, found);
    QMainWindow main;
    auto* area = new QMdiArea;
    main.setCentralWidget(area);
    auto* tool = new fake::Tool(&main);
    tool->SetModuleName("Customers");
    auto* other = new fake::frmSingleTable;
    other->SetModuleName("Orders");
    area->addSubWindow(other);
    fake::Browse* browse = master ? static_cast<fake::Browse*>(new fake::frmMultiTable)
                                  : new fake::frmSingleTable;
    browse->setAttribute(Qt::WA_DeleteOnClose);
    browse->SetModuleName("Customers");
    QWidget* frame = child ? static_cast<QWidget*>(area->addSubWindow(browse)) : browse;
    main.show();
    frame->show();
    if (closed) {
      frame->close();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QCOMPARE(FindBrowseForm(key), found ? static_cast<QWidget*>(browse) : nullptr);
    if (!closed && !child) delete browse;
  }

  // A frame centred on the screen moves only as far as keeps its title bar
  // (20 pixels high here) reachable in the workspace.
  void centerFormKeepsTheTitleBarReachable_data() {
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("workspace");
    QTest::addColumn<QPoint>("place");
    const QSize screen(800, 600), frame(600, 433);
    QTest::newRow("inside") << frame << screen << QRect(0, 0, 1000, 800) << QPoint(100, 43);
    QTest::newRow("a taller screen") << frame << QSize(800, 800) << QRect(0, 0, 800, 800)
                                     << QPoint(100, 143);
    QTest::newRow("taller than the screen") << QSize(600, 800) << screen << QRect(0, 0, 1000, 1000)
                                            << QPoint(100, 0);
    QTest::newRow("below a panel") << QSize(600, 560) << screen << QRect(0, 30, 800, 570)
                                   << QPoint(100, 30);
    QTest::newRow("wider than the screen, partly left of it")
        << QSize(1000, 433) << screen << QRect(0, 0, 1000, 800) << QPoint(-100, 43);
    QTest::newRow("workspace right of the middle: 100 pixels inside")
        << QSize(150, 433) << screen << QRect(400, 0, 400, 800) << QPoint(350, 43);
    QTest::newRow("narrow workspace") << frame << screen << QRect(0, 0, 150, 800) << QPoint(50, 43);
    QTest::newRow("low workspace") << frame << screen << QRect(0, 0, 1000, 40) << QPoint(100, 20);
  }
  void centerFormKeepsTheTitleBarReachable() {
    QFETCH(QSize, frame);
    QFETCH(QSize, screen);
    QFETCH(QRect, workspace);
    QFETCH(QPoint, place);
    QCOMPARE(CenteredPlace(frame, screen, workspace, 20), place);
  }

  void exitReleasesEverything() {
    useMenus("('mnuExit',1,'Exit','0',null,null,null,null),"
             "('Cust',2,'Customers','0','Customer',null,null,'SingleRs')",
             true);
    QPointer<frmMain> w = openMain();
    w->show();
    click(w, "Cust");
    QPointer<QMdiSubWindow> child = w->MdiArea()->subWindowList().value(0);
    QVERIFY(child);
    click(w, "mnuExit");
    QVERIFY(!w->Menus());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!w);
    QVERIFY(!child);
    QVERIFY(!DbConnection);
    QVERIFY(!UserInfo);
    QVERIFY(!frmMain::Current());
  }

  void changeUserRebuildsMenus() {
    QVERIFY(DbConnection->Execute("insert into tblUser (UserName, [Password], IsEnable, IsAdmin)"
                                  " values ('clerk', null, 1, 0)"));
    grant("clerk", {"mnuFile", "MNUEXIT"});
    QPointer<frmMain> old = openMain();
    old->show();
    click(old, "mnuToolsCU");
    QVERIFY(!old->isVisible());
    frmChangeUser* dialog = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
      if (auto* d = qobject_cast<frmChangeUser*>(top); d && d->isVisible()) dialog = d;
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QString("Change User"));
    dialog->txtUserName->setText("clerk");
    dialog->txtPassword->clear();
    dialog->cmdOK_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(ui_->boxes.isEmpty());
    QVERIFY(!old);
    frmMain* fresh = frmMain::Current();
    QVERIFY(fresh && fresh->isVisible());
    const cMenus& m = *fresh->Menus();
    QVERIFY(m.ItemEnabled("mnuFile"));
    QVERIFY(m.ItemEnabled("mnuExit"));
    QVERIFY(!m.ItemEnabled("mnuToolsCU"));
    QVERIFY(!m.ItemEnabled("mnuTools"));
    QVERIFY(m.ItemEnabled("mnuAbout"));
    QCOMPARE(fresh->UserNamePanel()->Text(), QString("User: clerk"));
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
