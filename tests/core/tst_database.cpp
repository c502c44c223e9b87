#include "CoreFixture.h"

using namespace rd;

class TestCoreDatabase : public QObject {
  Q_OBJECT
  std::unique_ptr<corefixture::Folder> folder_;
  ScriptedUi* ui_ = nullptr;

 private slots:
  void init() {
    folder_ = std::make_unique<corefixture::Folder>();
    QVERIFY(folder_->Ok());
    folder_->Open();
    ui_ = ScriptedUi::Install();
  }
  void cleanup() {
    ReleaseGlobals();
    folder_.reset();
    ScriptedUi::Uninstall();
  }

  void storedAsTyped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("storedNull");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << "" << true << "";
    QTest::newRow("typed null") << "null" << false << "null";
    QTest::newRow("apostrophe") << "it's" << false << "it's";
    QTest::newRow("quoted null") << "'null'" << false << "'null'";
    QTest::newRow("quoted null inside") << "a 'null' b" << false << "a 'null' b";
    QTest::newRow("capital Null") << "Null" << false << "Null";
    QTest::newRow("null and quote") << "null'" << false << "null'";
  }
  void storedAsTyped() {
    QFETCH(QString, typed);
    QFETCH(bool, storedNull);
    QFETCH(QString, stored);
    QString error;
    QVERIFY2(ExecuteSQL("insert into t (ID, Note) values (1, '" + SqlStr(typed) + "')", &error),
             qPrintable(error));
    Recordset rs;
    QVERIFY(OpenRecordset("select Note from t where ID=1", rs));
    QCOMPARE(rs.Fields(0).Value.isNull(), storedNull);
    QCOMPARE(NullToStr(rs.Fields(0).Value), stored);
  }

  void nullLiteralsOnlyWhole_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("expected");
    QTest::newRow("two values") << "values ('null', 'null')" << "values (null, null)";
    QTest::newRow("upper case kept") << "values ('NULL')" << "values ('NULL')";
    QTest::newRow("doubled quotes kept") << "values ('''null''')" << "values ('''null''')";
    QTest::newRow("after a literal") << "where a='x' and b='null'" << "where a='x' and b=null";
    QTest::newRow("unclosed") << "values ('null" << "values ('null";
  }
  void nullLiteralsOnlyWhole() {
    QFETCH(QString, sql);
    QFETCH(QString, expected);
    QCOMPARE(NullLiteralsToNull(sql), expected);
  }

  void executeFailureReported() {
    QString error;
    QVERIFY(!ExecuteSQL(QString("insert into t (ID, Note) values (2, 'a") + QChar(0) + "b')", &error));
    QCOMPARE(error, GetLangString(1271));
    QVERIFY(!ExecuteSQL("insert into missing values (1)", &error));
    QVERIFY(error.contains("missing"));
    DbConnection.reset();
    QVERIFY(!ExecuteSQL("delete from t", &error));
    QVERIFY(!error.isEmpty());
  }

  void openRecordsetFailureShownOnceAndReopens() {
    Recordset rs;
    QVERIFY(!OpenRecordset("select * from nowhere", rs));
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].icon, MsgIcon::Critical);
    QCOMPARE(ui_->boxes[0].title, AppTitle);
    QVERIFY(!rs.IsOpen());
    QVERIFY(rs.Eof());
    QVERIFY(OpenRecordset("select * from tblUser", rs));
    QCOMPARE(rs.RecordCount(), 5);
  }

  void openColumnsShowsFailuresAsOpenRecordset() {
    Recordset rs;
    QVERIFY(!OpenRecordset("select * from nowhere", rs));
    QStringList names{"stale"};
    QVERIFY(!OpenColumns("select * from nowhere", &names));
    QVERIFY(names.isEmpty());
    QCOMPARE(ui_->boxes.size(), 2);
    QCOMPARE(ui_->boxes[1].text, ui_->boxes[0].text);
    QCOMPARE(ui_->boxes[1].icon, MsgIcon::Critical);
    QCOMPARE(ui_->boxes[1].title, AppTitle);
    QVERIFY(OpenColumns("select ID, ID from tblUser", &names));
    QCOMPARE(names, (QStringList{"ID", "ID"}));
  }

  void fieldCaption_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("caption");
    QTest::newRow("newest of two") << "Qty" << "Amount";
    QTest::newRow("case ignored") << "qty" << "Amount";
    QTest::newRow("apostrophe") << "O'Brien" << "Irish";
    QTest::newRow("undefined") << "Nothing" << "";
    QTest::newRow("injection stays a value") << "x' or '1'='1" << "";
  }
  void fieldCaption() {
    QFETCH(QString, field);
    QFETCH(QString, caption);
    QCOMPARE(GetFieldCaption(field), caption);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void readsWithoutConnectionNeverCrash() {
    DbConnection.reset();
    QCOMPARE(GetFieldCaption("Qty"), QString());
    QCOMPARE(GetServerDate("ACCESS"), QString());
    QCOMPARE(ui_->boxes.size(), 2);
  }

  void serverDate() {
    const QDateTime date = QDateTime::fromString(GetServerDate("ACCESS"), "yyyy-MM-dd hh:mm:ss");
    QVERIFY(date.isValid());
    QVERIFY(qAbs(date.secsTo(QDateTime::currentDateTime())) < 60);
    QCOMPARE(GetServerDate("access"), QString());
    QVERIFY(ui_->boxes.isEmpty());
  }

  void openConnection_data() {
    QTest::addColumn<QString>("serverType");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("opens");
    QTest::newRow("access") << "ACCESS" << "RecordDesk.db" << true;
    QTest::newRow("lower-case type") << "access" << "RecordDesk.db" << false;
    QTest::newRow("empty type") << "" << "RecordDesk.db" << false;
    QTest::newRow("missing file") << "ACCESS" << "absent.db" << false;
    QTest::newRow("no file name") << "ACCESS" << "" << false;
    QTest::newRow("not a database") << "ACCESS" << "Config.ini" << false;
  }
  void openConnection() {
    QFETCH(QString, serverType);
    QFETCH(QString, file);
    QFETCH(bool, opens);
    const QString path = folder_->Program().File(file);
    const bool existed = QFileInfo(path).isFile();
    QByteArray before;
    if (existed) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadOnly));
      before = f.readAll();
    }
    QCOMPARE(OpenConnection(serverType, file, "", "", ""), opens);
    QCOMPARE(DbConnection != nullptr, opens);
    CloseConnection();
    QCOMPARE(QFileInfo(path).isFile(), existed);
    if (existed) {
      QFile f(path);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readAll(), before);
    }
    QVERIFY(ui_->boxes.isEmpty());
  }
};

QTEST_MAIN(TestCoreDatabase)
#include "tst_database.moc"
