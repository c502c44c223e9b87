#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtTest>

#include "DesignerFixture.h"
#include "designer/DesignedTables.h"
#include "designer/TableDdl.h"

using rd::DesignedColumn;
using rd::TableDdl;

namespace {

// "Name:type:length:flags:default" per column, flags K key, A auto, E allow empty.
std::vector<DesignedColumn> Columns(const QString& table, const QString& spec) {
  std::vector<DesignedColumn> columns;
  for (const QString& c : spec.split('|')) {
    const QStringList p = c.split(':');
    DesignedColumn d;
    d.tableName = table;
    d.fieldName = p.value(0);
    d.fieldType = p.value(1);
    d.fieldLength = p.value(2);
    d.isKey = p.value(3).contains('K');
    d.isAuto = p.value(3).contains('A');
    d.allowEmpty = p.value(3).contains('E');
    d.defaultValue = p.mid(4).join(':');
    columns.push_back(d);
  }
  return columns;
}

// A plain SQLite connection, without the functions the program registers.
class PlainSqlite {
 public:
  PlainSqlite() {
    db_ = QSqlDatabase::addDatabase("QSQLITE", "plain");
    db_.setDatabaseName(":memory:");
    db_.open();
  }
  ~PlainSqlite() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase("plain");
  }
  QString Run(const QString& sql) {
    QSqlQuery q(db_);
    return q.exec(sql) ? QString() : q.lastError().text();
  }
  QStringList Rows(const QString& sql) {
    QSqlQuery q(db_);
    QStringList rows;
    if (!q.exec(sql)) return {q.lastError().text()};
    while (q.next()) {
      QStringList cells;
      for (int i = 0; i < q.record().count(); ++i) cells << q.value(i).toString();
      rows << cells.join('|');
    }
    return rows;
  }

 private:
  QSqlDatabase db_;
};

// Column name, type, not-null, default and key place of a table.
QStringList Shape(const QStringList& pragmaRows) {
  QStringList shape;
  for (const QString& row : pragmaRows) shape << row.section('|', 1);
  return shape;
}

}  // namespace

class TableDdlTest : public QObject {
  Q_OBJECT
 private slots:
  void statements_data();
  void statements();
  void refusals_data();
  void refusals();
  void sampleTablesAsDesigned_data();
  void sampleTablesAsDesigned();
  void defaultsThatBreakOut_data();
  void defaultsThatBreakOut();
};

void TableDdlTest::statements_data() {
  QTest::addColumn<QString>("table");
  QTest::addColumn<QString>("columns");
  QTest::addColumn<QString>("server");
  QTest::addColumn<QString>("sqlite");

  QTest::newRow("worked example") << "Customer" << "ID:int::KA:|Name:varchar:50:E:'x'"
      << "CREATE TABLE Customer(ID int IDENTITY(1,1) NOT NULL  PRIMARY KEY,Name varchar (50)  NULL  default('x') )"
      << "CREATE TABLE Customer(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,Name varchar (50) COLLATE NOCASE NULL default('x'))";
  QTest::newRow("date default") << "Stamp" << "ID:int::KA:|Made:datetime::E:getdate()"
      << "CREATE TABLE Stamp(ID int IDENTITY(1,1) NOT NULL  PRIMARY KEY,Made datetime  NULL  default(getdate()) )"
      << "CREATE TABLE Stamp(ID INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT,Made datetime NULL default(datetime('now','localtime')))";
  QTest::newRow("varchar in any case, length only for varchar") << " Line " << "Code:VARCHAR:10::|Qty:int:50:E:1"
      << "CREATE TABLE Line(Code VARCHAR (10)  NOT NULL  ,Qty int  NULL  default(1) )"
      << "CREATE TABLE Line(Code VARCHAR (10) COLLATE NOCASE NOT NULL,Qty int NULL default(1))";
  QTest::newRow("key without auto number") << "Unit" << "Code:varchar:20:K:|Rate:money::E:"
      << "CREATE TABLE Unit(Code varchar (20)  NOT NULL  PRIMARY KEY,Rate money  NULL  )"
      << "CREATE TABLE Unit(Code varchar (20) COLLATE NOCASE NOT NULL PRIMARY KEY,Rate money NULL)";
  QTest::newRow("several keys make one table key") << "Price" << "Item:int::K:|Unit:varchar:5:K:|Value:float::E:0"
      << "CREATE TABLE Price(Item int  NOT NULL  ,Unit varchar (5)  NOT NULL  ,Value float  NULL  default(0) ,PRIMARY KEY(Item,Unit))"
      << "CREATE TABLE Price(Item int NOT NULL,Unit varchar (5) COLLATE NOCASE NOT NULL,Value float NULL default(0),PRIMARY KEY(Item,Unit))";
}

void TableDdlTest::statements() {
  QFETCH(QString, table);
  QFETCH(QString, columns);
  QFETCH(QString, server);
  QFETCH(QString, sqlite);
  const std::vector<DesignedColumn> design = Columns(table, columns);
  QCOMPARE(TableDdl::Create(design, "SQLSERVER").statement, server);
  const TableDdl::Result r = TableDdl::Create(design, "ACCESS");
  QCOMPARE(r.statement, sqlite);

  // The SQLite text runs on a connection that knows no functions of ours,
  // and a row that names only the columns without defaults takes the rest.
  PlainSqlite db;
  QCOMPARE(db.Run(r.statement), QString());
  QStringList names, values;
  for (const DesignedColumn& c : design)
    if (!c.isAuto && c.defaultValue.isEmpty()) names << c.fieldName, values << "'7'";
  const QString name = table.trimmed();
  const QString insert = names.isEmpty() ? " default values"
                                         : '(' + names.join(',') + ") values(" + values.join(',') + ')';
  QCOMPARE(db.Run("insert into " + name + insert), QString());
  QCOMPARE(db.Rows("select count(*) from " + name), QStringList{"1"});
  if (name == "Stamp") {
    QCOMPARE(db.Rows("select ID from Stamp"), QStringList{"1"});
    const QString made = db.Rows("select Made from Stamp").value(0);
    QVERIFY2(QDateTime::fromString(made, "yyyy-MM-dd hh:mm:ss").isValid(), qPrintable(made));
  }
}

void TableDdlTest::refusals_data() {
  QTest::addColumn<QString>("table");
  QTest::addColumn<QString>("columns");
  QTest::addColumn<int>("sqliteRefusal");  // 0: accepted
  QTest::addColumn<int>("serverRefusal");
  QTest::addColumn<QString>("subject");
  QTest::addColumn<QString>("serverStatement");  // checked when given

  QTest::newRow("auto number without a key") << "T" << "ID:int::A:" << 1245 << 0 << "ID"
      << "CREATE TABLE T(ID int IDENTITY(1,1) NOT NULL  )";
  QTest::newRow("auto number on text") << "T" << "ID:varchar:10:KA:" << 1245 << 1248 << "ID" << "";
  QTest::newRow("auto number beside another key") << "T" << "ID:int::KA:|B:int::K:" << 1245 << 0 << "ID"
      << "CREATE TABLE T(ID int IDENTITY(1,1) NOT NULL  ,B int  NOT NULL  ,PRIMARY KEY(ID,B))";
  QTest::newRow("auto number with a default") << "T" << "ID:int::KA:1" << 1245 << 1248 << "ID" << "";
  QTest::newRow("auto number on decimal without decimals") << "T" << "ID:numeric(12,0)::KA:" << 1245 << 0
      << "ID" << "CREATE TABLE T(ID numeric(12,0) IDENTITY(1,1) NOT NULL  PRIMARY KEY)";
  QTest::newRow("auto number on decimal with decimals") << "T" << "ID:decimal(12,2)::KA:" << 1245 << 1248
      << "ID" << "";
  QTest::newRow("two auto numbers") << "T" << "A:int::KA:|B:bigint::A:" << 1245 << 1248 << "B" << "";
  QTest::newRow("varchar without a length") << "T" << "ID:int::KA:|Name:varchar:::" << 1242 << 1242 << "Name" << "";
  QTest::newRow("varchar length not a number") << "T" << "Name:varchar:5) x::" << 1242 << 1242 << "Name" << "";
  QTest::newRow("varchar of max length") << "T" << "Name:varchar:MAX::" << 1242 << 0 << "Name"
      << "CREATE TABLE T(Name varchar (MAX)  NOT NULL  )";
  QTest::newRow("type of max size") << "T" << "Doc:nvarchar(max)::E:" << 1241 << 0 << "Doc"
      << "CREATE TABLE T(Doc nvarchar(max)  NULL  )";
  QTest::newRow("key allowing empty") << "T" << "ID:int::KE:" << 1244 << 1244 << "ID" << "";
  QTest::newRow("table name with a quote") << "Cust'omer" << "ID:int::KA:" << 1240 << 1240 << "Cust'omer" << "";
  QTest::newRow("table name beginning with a digit") << "1Sales" << "ID:int::KA:" << 1240 << 1240 << "1Sales" << "";
  QTest::newRow("column name with a blank") << "T" << "Na me:int:::" << 1240 << 1240 << "Na me" << "";
  QTest::newRow("type that ends the statement") << "T" << "A:int); drop table tblMenu:::" << 1241 << 1241 << "A" << "";
  QTest::newRow("default that ends the statement")
      << "T" << "A:int:::0); drop table tblMenu; --" << 1243 << 1243 << "A" << "";
  QTest::newRow("keyword as a column") << "T" << "ID:int::KA:|select:int:::" << 1246 << 1246 << "select" << "";
  QTest::newRow("keyword as the table") << "Order" << "ID:int::KA:" << 1246 << 1246 << "Order" << "";
  QTest::newRow("keyword SQLite takes as a column only") << "T" << "if:int:::" << 0 << 1246 << "if" << "";
  QTest::newRow("keyword SQLite takes as a column, not as a table") << "If" << "A:int:::" << 1246 << 1246
      << "If" << "";
  QTest::newRow("words SQLite builds names of") << "T" << "Key:int::K:|First:int:::|Last:int:::" << 0 << 1246
      << "Key" << "";
  QTest::newRow("keyword as a type: primary") << "T" << "A:primary:::" << 1241 << 1241 << "A" << "";
  QTest::newRow("keyword as a type: references") << "T" << "A:References:::" << 1241 << 1241 << "A" << "";
  QTest::newRow("keyword as a type: select, with a size") << "T" << "A:select(10):::" << 1241 << 1241
      << "A" << "";
  QTest::newRow("constraint word as a type") << "T" << "A:unique:::" << 1241 << 1241 << "A" << "";
  QTest::newRow("word SQLite takes as a type") << "T" << "A:key:::" << 0 << 1241 << "A" << "";
  QTest::newRow("a type SQL Server reserves") << "T" << "A:double:::" << 0 << 1241 << "A" << "";
  QTest::newRow("system table, other case") << "TBLUSER" << "ID:int::KA:" << 1247 << 1247 << "TBLUSER" << "";
  QTest::newRow("SQLite's own table") << "sqlite_stat1" << "tbl:varchar:20::" << 1247 << 1247
      << "sqlite_stat1" << "";
}

void TableDdlTest::refusals() {
  QFETCH(QString, table);
  QFETCH(QString, columns);
  QFETCH(int, sqliteRefusal);
  QFETCH(int, serverRefusal);
  QFETCH(QString, subject);
  QFETCH(QString, serverStatement);
  for (const char* server : {"SQLSERVER", "ACCESS"}) {
    const int refusal = QByteArray(server) == "SQLSERVER" ? serverRefusal : sqliteRefusal;
    const TableDdl::Result r = TableDdl::Create(Columns(table, columns), server);
    QCOMPARE(r.refusal, refusal);
    QCOMPARE(r.statement.isEmpty(), refusal != 0);
    if (refusal) QCOMPARE(r.subject, subject);
  }
  if (!serverStatement.isEmpty())
    QCOMPARE(TableDdl::Create(Columns(table, columns), "SQLSERVER").statement, serverStatement);
  // What SQLite's rules accept, SQLite builds.
  const TableDdl::Result sqlite = TableDdl::Create(Columns(table, columns), "ACCESS");
  if (sqlite.Ok()) QCOMPARE(PlainSqlite().Run(sqlite.statement), QString());
}

void TableDdlTest::sampleTablesAsDesigned_data() {
  QTest::addColumn<QString>("table");
  for (const char* t : {"Unit", "Customer", "Item", "SalesBill", "SalesBillLine"})
    QTest::newRow(t) << t;
}

void TableDdlTest::sampleTablesAsDesigned() {
  QFETCH(QString, table);
  DesignerDatabase database;
  const auto design = rd::DesignedTables::Read(table);
  QVERIFY(design && !design->empty());
  const TableDdl::Result r = TableDdl::Create(*design, "ACCESS");
  QVERIFY2(r.Ok(), qPrintable(QString::number(r.refusal) + ' ' + r.subject));

  rd::QueryResult sample;
  QVERIFY(rd::DbConnection->Query("pragma table_info(" + table + ")", &sample));
  QStringList sampleRows;
  for (int i = 0; i < sample.rowCount(); ++i) {
    QStringList cells;
    for (int c = 0; c < sample.columns.size(); ++c) cells << sample.Text(i, c);
    sampleRows << cells.join('|');
  }
  PlainSqlite db;
  QCOMPARE(db.Run(r.statement), QString());
  QCOMPARE(Shape(db.Rows("pragma table_info(" + table + ")")), Shape(sampleRows));
}

void TableDdlTest::defaultsThatBreakOut_data() {
  QTest::addColumn<QString>("value");
  QTest::addColumn<bool>("breaksOut");
  QTest::newRow("number") << "0" << false;
  QTest::newRow("text with a doubled quote") << "'O''Brien'" << false;
  QTest::newRow("function") << "getdate()" << false;
  QTest::newRow("semicolon inside quotes") << "'a;b'" << false;
  QTest::newRow("semicolon") << "0;" << true;
  QTest::newRow("open quote") << "'abc" << true;
  QTest::newRow("closing bracket first") << "0) x (" << true;
  QTest::newRow("open bracket") << "(1" << true;
  QTest::newRow("line comment") << "0 --" << true;
  QTest::newRow("block comment") << "0 /* x */" << true;
}

void TableDdlTest::defaultsThatBreakOut() {
  QFETCH(QString, value);
  QFETCH(bool, breaksOut);
  QCOMPARE(TableDdl::DefaultBreaksOut(value), breaksOut);
}

QTEST_MAIN(TableDdlTest)
#include "tst_tableddl.moc"
