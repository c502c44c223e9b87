#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/db/Recordset.h"
#include "platform/db/SqlScript.h"

using rd::Connection;
using rd::Recordset;

class TestDatabase : public QObject {
  Q_OBJECT
  QTemporaryDir dir_;
  std::unique_ptr<Connection> db_;

 private slots:
  void init() {
    QString path = dir_.filePath(QString("t%1.db").arg(QDateTime::currentMSecsSinceEpoch()));
    QString error;
    QVERIFY2(rd::CreateSqliteDatabase(path,
                                      {"create table t (ID integer primary key, Name text COLLATE NOCASE, "
                                       "Qty integer, Note text);"
                                       "insert into t (Name, Qty, Note) values ('a;b', 1, null);"
                                       "insert into t (Name, Qty, Note) values ('O''Neil', 2, 'x');"
                                       "insert into t (Name, Qty, Note) values ('Zed', 3, 'y');"},
                                      &error),
             qPrintable(error));
    db_ = Connection::OpenSqlite(path, &error);
    QVERIFY2(db_, qPrintable(error));
  }
  void cleanup() { db_.reset(); }

  void openRefusesMissingAndForeignFiles() {
    QString missing = dir_.filePath("missing.db");
    QVERIFY(!Connection::OpenSqlite(missing));
    QVERIFY(!QFile::exists(missing));
    QString junk = dir_.filePath("junk.db");
    QFile f(junk);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'j'));
    f.close();
    QVERIFY(!Connection::OpenSqlite(junk));
    QFile g(junk);
    QVERIFY(g.open(QIODevice::ReadOnly));
    QCOMPARE(g.readAll(), QByteArray(4096, 'j'));
  }

  void recordsetContract() {
    Recordset rs;
    QVERIFY(rs.Eof() && rs.Bof());
    QVERIFY(!rs.Value("Name").isValid());
    QVERIFY(rs.Open("select * from t order by ID", *db_));
    QCOMPARE(rs.RecordCount(), 3);
    QCOMPARE(rs.FieldCount(), 4);
    QCOMPARE(rs.Text("name"), QString("a;b"));
    QCOMPARE(rs.Text("Note"), QString());
    QVERIFY(rs.Value("Note").isNull());
    rs.MoveNext();
    QCOMPARE(rs.Fields(1).Text(), QString("O'Neil"));
    QCOMPARE(rs.AbsolutePosition(), 2);
    rs.MoveLast();
    rs.MoveNext();
    QVERIFY(rs.Eof());
    QVERIFY(!rs.Value("Name").isValid());
    rs.MoveFirst();
    QVERIFY(rs.Find("Name='zed'"));
    QCOMPARE(rs.Text("Qty"), QString("3"));
    QVERIFY(!rs.Find("Name='nobody'"));
    QVERIFY(rs.Eof());
    Recordset copy = rs.Clone();
    QVERIFY(!rs.Open("select * from nowhere", *db_));
    QVERIFY(!rs.IsOpen());
    QVERIFY(!rs.LastError().isEmpty());
    QCOMPARE(rs.RecordCount(), 0);
    QCOMPARE(copy.RecordCount(), 3);
  }

  void dialect_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("first");
    QTest::newRow("top") << "select top 1 Name from t order by ID desc" << "Zed";
    QTest::newRow("top distinct") << "SELECT DISTINCT TOP 2 Qty from t order by Qty" << "1";
    QTest::newRow("now") << "select length(now())" << "19";
    QTest::newRow("getdate") << "select length(Getdate())" << "19";
  }
  void dialect() {
    QFETCH(QString, sql);
    QFETCH(QString, first);
    Recordset rs;
    QVERIFY2(rs.Open(sql, *db_), qPrintable(rs.LastError()));
    QCOMPARE(rs.Fields(0).Text(), first);
  }

  void transactionsNestByJoining() {
    {
      rd::Transaction outer(*db_);
      QVERIFY(db_->Execute("insert into t (Name) values ('outer')"));
      {
        rd::Transaction inner(*db_);
        QVERIFY(db_->Execute("insert into t (Name) values ('inner')"));
        QVERIFY(inner.Commit());
      }
      QCOMPARE(db_->TransactionDepth(), 1);
      QVERIFY(outer.Commit());
    }
    {
      rd::Transaction outer(*db_);
      QVERIFY(db_->Execute("insert into t (Name) values ('lost1')"));
      {
        rd::Transaction inner(*db_);
        QVERIFY(db_->Execute("insert into t (Name) values ('lost2')"));
      }  // inner rolled back: the whole goes
      QVERIFY(!outer.Commit());
    }
    {
      rd::Transaction t(*db_);
      QVERIFY(db_->Execute("insert into t (Name) values ('lost3')"));
      QVERIFY(!db_->Execute("insert into nowhere values (1)"));
      QVERIFY(!t.Commit());
    }
    Recordset rs;
    QVERIFY(rs.Open("select Name from t where ID > 3 order by ID", *db_));
    QCOMPARE(rs.RecordCount(), 2);
    QCOMPARE(rs.Text("Name"), QString("outer"));
  }

  void boundValuesAndScriptSplitting() {
    QVERIFY(db_->ExecuteBound("insert into t (Name, Note) values (?, ?)", {QString("it's; --"), QVariant()}));
    Recordset rs;
    QVERIFY(rs.Open("select Name, Note from t where ID = 4", *db_));
    QCOMPARE(rs.Text("Name"), QString("it's; --"));
    QVERIFY(rs.Value("Note").isNull());
    QCOMPARE(rd::SplitSqlScript("a 'x;y'; -- c;\n b \"q;\"; [c;d];;").size(), 3);
  }

  void connectionStringQuotesValues() {
    QString s = Connection::SqlServerConnectionString("srv", "db", "sa", "p;w}d");
    QVERIFY(s.contains("PWD={p;w}}d};"));
  }
};

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
