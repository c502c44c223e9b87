#include <QImage>
#include <QWidget>
#include <QtTest>

#include "BrowseFixture.h"
#include "browse/ButtonFunction.h"
#include "browse/modToolbar.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/Toolbar.h"

using browsefixture::Database;

namespace {

// A window as the toolbar builder sees one: a toolbar named tbrMain with
// the standard pictures.
class Host : public QWidget {
 public:
  Host() : images(new rd::ImageList(this)), bar(new rd::Toolbar(this)) {
    bar->setObjectName("tbrMain");
    rd::AddStandardImages(*images);
    bar->SetImageList(images);
    setWindowTitle("Customers");
  }
  QStringList Keys() const {
    QStringList keys;
    for (int i = 1; i <= bar->ButtonCount(); ++i) keys << bar->Button(i)->Key();
    return keys;
  }
  rd::ImageList* images;
  rd::Toolbar* bar;
};

const QString kStandardBrowse = "Add,Modify,Delete,Query,Print,Refresh,Close";

}  // namespace

class TestToolbar : public QObject {
  Q_OBJECT
 private slots:
  void standardToolbar_data();
  void standardToolbar();
  void standardButtonsAreDressed();
  void customToolbar_data();
  void customToolbar();
  void brokenDatabaseGivesCloseAndOneMessage();
  void buttonFunction_data();
  void buttonFunction();
  void executeButtonFunction_data();
  void executeButtonFunction();
  void fullPath_data();
  void fullPath();
};

void TestToolbar::standardToolbar_data() {
  QTest::addColumn<QString>("user");
  QTest::addColumn<QString>("menuId");
  QTest::addColumn<QString>("mode");
  QTest::addColumn<QString>("keys");
  QTest::newRow("admin browse") << "admin" << "Customers" << "Browse" << kStandardBrowse;
  QTest::newRow("admin browse of a master module") << "admin" << "SalesBills" << "Browse"
      << "View," + kStandardBrowse;
  QTest::newRow("admin view") << "admin" << "Customers" << "View" << "Print,Close";
  QTest::newRow("admin add") << "admin" << "Customers" << "Add" << "Close";
  QTest::newRow("admin modify, mode in lower case") << "admin" << "Customers" << "modify"
      << "Close";
  QTest::newRow("admin, module without a menu row") << "admin" << "NoSuch" << "Browse"
      << kStandardBrowse;
  QTest::newRow("clerk browse: grants of this mode only") << "clerk" << "Customers" << "Browse"
      << "Add,Refresh,Close";
  QTest::newRow("clerk modify: standard modify toolbar is Close only") << "clerk" << "Customers"
      << "Modify" << "Close";
  QTest::newRow("clerk view of sales bills") << "clerk" << "SalesBills" << "View" << "Print,Close";
  QTest::newRow("clerk browse of sales bills") << "clerk" << "SalesBills" << "Browse" << "Close";
  QTest::newRow("user with a quote in the name") << "O'Brien" << "Customers" << "Browse"
      << "Delete,Close";
  QTest::newRow("user without grants") << "nobody" << "Customers" << "Browse" << "Close";
  QTest::newRow("unknown user") << "ghost' or '1'='1" << "Customers" << "Browse" << "Close";
}

void TestToolbar::standardToolbar() {
  QFETCH(QString, user);
  QFETCH(QString, menuId);
  QFETCH(QString, mode);
  QFETCH(QString, keys);
  Database db;
  db.LogIn(user);
  Host host;
  rd::BuildToolbar(&host, menuId, mode);
  QCOMPARE(host.Keys().join(','), keys);
  QCOMPARE(db.Ui().boxes.size(), 0);
  // A second build replaces the buttons.
  rd::BuildToolbar(&host, menuId, mode);
  QCOMPARE(host.Keys().join(','), keys);
}

void TestToolbar::standardButtonsAreDressed() {
  Database db;
  Host host;
  rd::BuildToolbar(&host, "SalesBills", "Browse");
  const QStringList captions = {"View",  "Add",   "Modify",  "Delete",
                                "Query", "Print", "Refresh", "Close"};
  for (const QString& key : captions) {
    rd::ToolbarButton* b = host.bar->Button(key);
    QVERIFY2(b, qPrintable(key));
    QCOMPARE(b->Caption(), key);  // the English texts equal the keys
    QCOMPARE(b->ToolTipText(), key);
    QCOMPARE(b->ImageKey(), key);
    QVERIFY(b->Tag().isEmpty());
  }
}

void TestToolbar::customToolbar_data() {
  QTest::addColumn<QString>("user");
  QTest::addColumn<QString>("keys");
  QTest::newRow("admin") << "admin" << "Mail,Print,Fax,Note,Close";
  QTest::newRow("clerk") << "clerk" << "Mail,Close";
  QTest::newRow("nobody") << "nobody" << "Close";
}

void TestToolbar::customToolbar() {
  QFETCH(QString, user);
  QFETCH(QString, keys);
  Database db;
  QImage picture(16, 16, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QDir(db.Folder().Path()).mkpath("icons");
  QVERIFY(picture.save(db.Folder().File("icons/mail.png")));
  Database::Exec("update tblMenu set BrowseToolbar='CUSTOM' where ID='Customers'");
  Database::Exec(
      "insert into tblToolbar (MenuID, ButtonType, Text, ToolTipText, Image, ButtonFunction,"
      " ButtonIndex, Mode, Parameter1, Parameter2, Parameter3) values"
      " ('Customers', 'Standard', 'Print', null, null, null, 2, 'Browse', null, null, null),"
      " ('Customers', 'Custom', 'Mail', 'Send mail', 'icons\\mail.png',"
      "  'SystemFunction=<Test>', 1, 'Browse', 'p1', null, 'p3'),"
      " ('Customers', 'Custom', null, 'no key', null, null, 3, 'Browse', null, null, null),"
      " ('Customers', 'Custom', 'Mail', 'second Mail', null, null, 4, 'Browse', null, null, null),"
      " ('Customers', 'Custom', 'Fax', null, 'icons/missing.png', null, 5, 'Browse', null, null, "
      "null),"
      " ('Customers', 'Standard', 'Note', null, null, null, 6, 'Browse', null, null, null),"
      " ('Customers', 'Custom', 'Other', null, null, null, 1, 'Modify', null, null, null)");
  Database::Exec("insert into tblPrivilege values ('clerk', 'Customers-Mail-Browse')");
  db.LogIn(user);
  Host host;
  rd::BuildToolbar(&host, "Customers", "Browse");
  QCOMPARE(host.Keys().join(','), keys);
  QCOMPARE(db.Ui().boxes.size(), 0);
  if (rd::ToolbarButton* mail = host.bar->Button("Mail")) {
    QCOMPARE(mail->Tag(), QString("SystemFunction=<Test>|p1||p3"));
    QCOMPARE(mail->ToolTipText(), QString("Send mail"));
    QCOMPARE(mail->ImageKey(), QString("Mail"));
  }
  if (rd::ToolbarButton* print = host.bar->Button("Print")) {
    QCOMPARE(print->ImageKey(), QString("Print"));
    QVERIFY(print->Tag().isEmpty());
  }
  if (rd::ToolbarButton* fax = host.bar->Button("Fax")) QCOMPARE(fax->ImageIndex(), 0);
  if (rd::ToolbarButton* note = host.bar->Button("Note")) {
    QCOMPARE(note->Caption(), QString("Note"));
    QVERIFY(note->Tag().isEmpty());
    QCOMPARE(note->ImageIndex(), 0);
  }
}

void TestToolbar::brokenDatabaseGivesCloseAndOneMessage() {
  Database db;
  Database::Exec("drop table tblMenu");
  Host host;
  rd::BuildToolbar(&host, "Customers", "Browse");
  QCOMPARE(host.Keys().join(','), QString("Close"));
  QCOMPARE(db.Ui().boxes.size(), 1);
}

void TestToolbar::buttonFunction_data() {
  QTest::addColumn<QString>("tag");
  QTest::addColumn<int>("kind");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<QString>("method");
  QTest::addColumn<QString>("argument");
  using F = rd::ButtonFunction;
  QTest::newRow("empty") << "  " << int(F::None) << true << "" << "";
  QTest::newRow("no kind") << "<Test>||" << int(F::None) << true << "" << "";
  QTest::newRow("system") << " systemfunction=<Test>|||" << int(F::System) << true << "Test" << "";
  QTest::newRow("kind in any case, argument") << "SystemFunction=<ListBillForm:ID>|select 1||"
      << int(F::System) << true << "ListBillForm" << "ID";
  QTest::newRow("later colons kept") << "systemfunction=<ListBillForm:a:b>" << int(F::System)
      << true << "ListBillForm" << "a:b";
  QTest::newRow("body ends at the next =") << "systemfunction=<Test:x=1>" << int(F::System) << false
      << "" << "";
  QTest::newRow("no < in the body") << "systemfunction=Test" << int(F::None) << true << "" << "";
  QTest::newRow("> before <") << "systemfunction=>Test<" << int(F::System) << false << "" << "";
  QTest::newRow("custom") << "CustomFunction=<Test>" << int(F::Custom) << true << "" << "";
  QTest::newRow("extend") << "extendfunction=x" << int(F::Extend) << true << "" << "";
  QTest::newRow("other kind") << "shell=<Test>" << int(F::Unknown) << true << "" << "";
}

void TestToolbar::buttonFunction() {
  QFETCH(QString, tag);
  QFETCH(int, kind);
  QFETCH(bool, valid);
  QFETCH(QString, method);
  QFETCH(QString, argument);
  const rd::ButtonFunction f = rd::ButtonFunction::Parse(tag);
  QCOMPARE(int(f.kind), kind);
  QCOMPARE(f.valid, valid);
  QCOMPARE(f.method, method);
  QCOMPARE(f.argument, argument);
}

void TestToolbar::executeButtonFunction_data() {
  QTest::addColumn<QString>("tag");
  QTest::addColumn<QStringList>("messages");
  QTest::addColumn<bool>("result");
  QTest::newRow("Test shows Function") << "SystemFunction=<Test>|||" << QStringList{"Function"}
      << true;
  QTest::newRow("name in any case") << "systemfunction=<tEST:x>" << QStringList{"Function"} << true;
  QTest::newRow("empty tag") << "" << QStringList{} << true;
  QTest::newRow("custom function") << "customfunction=<Test>" << QStringList{} << true;
  QTest::newRow("unknown function") << "systemfunction=<Format:C:>"
      << QStringList{"The toolbar function \"Format\" does not exist."} << false;
  QTest::newRow("QObject's own methods are not functions") << "systemfunction=<deleteLater>"
      << QStringList{"The toolbar function \"deleteLater\" does not exist."} << false;
  QTest::newRow("malformed body") << "systemfunction=<Test"
      << QStringList{"The function of the button \"B\" is not valid."} << false;
}

void TestToolbar::executeButtonFunction() {
  QFETCH(QString, tag);
  QFETCH(QStringList, messages);
  QFETCH(bool, result);
  Database db;
  Host host;
  rd::ToolbarButton* button = host.bar->AddButton("B");
  button->SetTag(tag);
  QCOMPARE(rd::ExecuteButtonFunction(&host, "Customers", button), result);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCOMPARE(db.Ui().texts(), messages);
  QCOMPARE(host.bar->Button("B"), button);
}

void TestToolbar::fullPath_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<bool>("full");
  QTest::newRow("drive") << "C:\\icons\\a.bmp" << true;
  QTest::newRow("absolute") << "/usr/share/a.png" << true;
  QTest::newRow("relative") << "icons\\a.bmp" << false;
}

void TestToolbar::fullPath() {
  QFETCH(QString, path);
  QFETCH(bool, full);
  QCOMPARE(rd::IsFullPath(path), full);
}

QTEST_MAIN(TestToolbar)
#include "tst_toolbar.moc"
