#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "core/ContactAddresses.h"
#include "core/Globals.h"
#include "core/frmAbout.h"
#include "core/modCommon.h"
#include "platform/ini/Ini.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"

using namespace rd;

class TestAbout : public QObject {
  Q_OBJECT
  std::unique_ptr<TestProgramFolder> folder_;
  ScriptedUi* ui_ = nullptr;

 private slots:
  void init() {
    folder_ = std::make_unique<TestProgramFolder>(QMap<QString, QString>{}, false);
    ui_ = ScriptedUi::Install();
    ConfigFile = folder_->File("Config.ini");
    LanguageFile = folder_->File("Language/1033.ini");
    AppTitle = GetLangString(1000);
  }
  void cleanup() {
    ScriptedUi::Uninstall();
    folder_.reset();
  }

  void texts() {
    Ini::Write(ConfigFile, "System", "Version", "2.3.4");
    frmAbout about;
    QVERIFY(!AppTitle.isEmpty());
    QCOMPARE(about.lblProduct->text(), AppTitle);
    QCOMPARE(about.txtVersion->text(), QString("2.3.4"));
    QVERIFY(about.txtVersion->isReadOnly());
    QCOMPARE(about.Label1->text(), GetLangString(1086));
    QCOMPARE(about.Label5->text(), GetLangString(1087));
    QCOMPARE(about.Label7->text(), GetLangString(1088));
    QCOMPARE(about.Label2->text(), GetLangString(1097));
    QCOMPARE(about.cmdOk->text(), GetLangString(1038));
    // Fixed texts of the program, the same in every language.
    QCOMPARE(about.lblNotice->text(), QString::fromLatin1(Contact::LegalNotice));
    QCOMPARE(about.lblMaker->text(), QString::fromLatin1(Contact::MakerLine));
    QVERIFY(about.windowFlags() & Qt::FramelessWindowHint);
  }

  void missingVersionIsEmpty() {
    QFile config(ConfigFile);
    QVERIFY(config.open(QIODevice::WriteOnly | QIODevice::Truncate));
    config.write("[System]\r\nLanguage=1033\r\n");
    config.close();
    frmAbout about;
    QCOMPARE(about.txtVersion->text(), QString());
  }

  void links_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("url");
    QTest::newRow("home page") << "Label6" << "https://recorddesk.example/";
    QTest::newRow("sales") << "Label3" << "mailto:sales@recorddesk.example";
    QTest::newRow("support") << "Label4" << "mailto:support@recorddesk.example";
    QTest::newRow("support caption") << "Label2" << "mailto:info@recorddesk.example";
    QTest::newRow("version caption") << "Label1" << "";
  }
  void links() {
    QFETCH(QString, label);
    QFETCH(QString, url);
    frmAbout about;
    const QMap<QString, QLabel*> labels{{"Label6", about.Label6}, {"Label3", about.Label3},
                                        {"Label4", about.Label4}, {"Label2", about.Label2},
                                        {"Label1", about.Label1}};
    QLabel* target = labels.value(label);
    about.show();
    QTest::mouseClick(target, Qt::LeftButton);
    QCOMPARE(ui_->urls, url.isEmpty() ? QStringList() : QStringList({url}));
    QVERIFY(about.isVisible());
  }

  void okAndEnterClose_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("OK") << false;
    QTest::newRow("Enter") << true;
  }
  void okAndEnterClose() {
    QFETCH(bool, byEnter);
    frmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    if (byEnter)
      QTest::keyClick(&about, Qt::Key_Return);
    else
      about.cmdOk->click();
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Accepted));
  }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
