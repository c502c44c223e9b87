// Validation and saving of a record through the generated editor.
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "core/DatabaseConnector.h"
#include "core/Globals.h"
#include "core/modCommon.h"
#include "expressions/modExpressions.h"
#include "core/SqlTemplate.h"
#include "tst_editor_support.h"

using namespace rd;

class TestSave : public QObject {
  Q_OBJECT
 private slots:
  void refusesWithItsMessage_data();
  void refusesWithItsMessage();
  void refusalWithAnEmptyLanguageFileIsInEnglish();
  void readOnlyDatabaseTellsAndKeepsTheFile();
  void endlessReadsEndWithTheirMessage_data();
  void endlessReadsEndWithTheirMessage();
  void insertStoresValuesAndRefreshesTheOpener();
  void updateUsesTheGridRecordId();
  void updateOfADeletedRecordFails();
  void keyTestIgnoresTheBrowseFilter();
  void saveAndAddClearsForTheNextRecord();
  void billNumberAndAuditColumns();
  void failedInsertLeavesNoNumberBehind();
  void customRangeUsesTheSaveFormat();
  void unknownTagStopsTheSave_data();
  void unknownTagStopsTheSave();
  void saveFormatTagsEachTakeTheTypedValue();
  void keyLengthIsTheStoredValues_data();
  void keyLengthIsTheStoredValues();
  void templateFill_data();
  void templateFill();
  void calculatedCheckValue_data();
  void calculatedCheckValue();
  void unchangedSaveKeepsTheRow_data();
  void unchangedSaveKeepsTheRow();
  void recordZeroIsARecord();
};

void TestSave::refusesWithItsMessage_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("value");
  QTest::addColumn<int>("key");
  QTest::addColumn<QString>("caption");
  QTest::newRow("required blanks") << "Name" << "   " << 1004 << "Name";
  QTest::newRow("key in use") << "Code" << "C002" << 1005 << "Code";
  QTest::newRow("key in use, other case") << "Code" << "c002" << 1005 << "Code";
  QTest::newRow("too long") << "Remark" << QString(201, 'x') << 1007 << "Remark";
  QTest::newRow("letters and digits") << "Code" << "C 9" << 1010 << "Code";
  QTest::newRow("number") << "CreditLimit" << "12a" << 1008 << "Credit Limit";
}

void TestSave::refusesWithItsMessage() {
  QFETCH(QString, field);
  QFETCH(QString, value);
  QFETCH(int, key);
  QFETCH(QString, caption);
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "N01");
  bench.Set("Name", "New Customer");
  bench.Set(field, value);
  const QString before = bench.Cell("select count(*) from Customer");
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().texts(), QStringList{ReplaceParams(GetLangString(key), {caption})});
  QCOMPARE(bench.Cell("select count(*) from Customer"), before);
  QCOMPARE(bench.Get(field), value);
}

// A language file with no texts at all: the refusal still speaks.
void TestSave::refusalWithAnEmptyLanguageFileIsInEnglish() {
  editorsupport::Bench bench;
  QTemporaryDir dir;
  QFile empty(dir.filePath("2052.ini"));
  QVERIFY(empty.open(QIODevice::WriteOnly));
  empty.close();
  const QString kept = LanguageFile;
  LanguageFile = empty.fileName();
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "N01");
  bench.Set("Name", "");
  QVERIFY(!editor.SaveData());
  LanguageFile = kept;
  QCOMPARE(bench.db.Ui().texts(), QStringList{"Name must not be empty."});
}

namespace {

// The database opened again as start-up opens it, speaking the program's words.
void ConnectAsTheProgramDoes() {
  DbConnection = DatabaseConnector::Connect("ACCESS", "RecordDesk.db", "", "", "");
  QVERIFY(DbConnection);
}

const QString kEndless =
    "with recursive r(i) as (select 1 union all select i+1 from r) select count(*) from r";

}  // namespace

// A database that refuses writes: the save says so in the program's words,
// once, and the file keeps every byte.
void TestSave::readOnlyDatabaseTellsAndKeepsTheFile() {
  editorsupport::Bench bench;
  ConnectAsTheProgramDoes();
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "N01");
  bench.Set("Name", "New Customer");
  // Refuses writes as a read-only file does, even for root.
  QVERIFY(DbConnection->Execute("pragma query_only = 1"));
  QFile file(DbConnection->FilePath());
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().texts(),
           QStringList{ReplaceParams(GetLangString(1292),
                                     {QDir::toNativeSeparators(DbConnection->FilePath())})});
  QVERIFY(file.open(QIODevice::ReadOnly));
  QCOMPARE(file.readAll(), before);
}

// A read that would never end, from a default value and from a record
// source, is stopped at its bound with one message naming what was read.
void TestSave::endlessReadsEndWithTheirMessage_data() {
  QTest::addColumn<bool>("recordSource");
  QTest::newRow("default value") << false;
  QTest::newRow("record source") << true;
}

void TestSave::endlessReadsEndWithTheirMessage() {
  QFETCH(bool, recordSource);
  editorsupport::Bench bench;
  ConnectAsTheProgramDoes();
  bench.Browse("Customers", "Customer");
  const auto kind = recordSource ? Connection::ReadKind::RecordSource : Connection::ReadKind::Lookup;
  const int kept = Connection::ReadBound(kind);
  Connection::SetReadBound(kind, 300);
  QString error;
  const QString stopped = ReplaceParams(GetLangString(1290), {"1"});
  QString expected;
  QElapsedTimer clock;
  if (recordSource) {
    QVERIFY2(ExecuteSQL("update tblRecordset set SelectSQL=" +
                            SqlLiteral("select * from Customer where (" + kEndless + ") > 0") +
                            " where RsName='Customer'",
                        &error),
             qPrintable(error));
    clock.start();
    QVERIFY(!bench.browse->RefreshData());
    expected = ReplaceParams(GetLangString(1278), {"Customers", "Customer", stopped});
  } else {
    const QString tag = "<GetDBValue:" + kEndless + ">";
    QVERIFY2(ExecuteSQL("update tblRecordset set DefaultValue=" + SqlLiteral(tag) +
                            " where RsName='Customer' and Field='Remark'",
                        &error),
             qPrintable(error));
    clock.start();
    bench.Open(0);
    expected = ReplaceParams(GetLangString(1291), {"Remark", tag, stopped});
    QCOMPARE(bench.Get("Remark"), QString());
  }
  Connection::SetReadBound(kind, kept);
  QVERIFY2(clock.elapsed() < 10000, qPrintable(QString::number(clock.elapsed())));
  QCOMPARE(bench.db.Ui().texts(), QStringList{expected});
  // The program reads on.
  QVERIFY(bench.Cell("select count(*) from Customer").toInt() > 0);
}

void TestSave::insertStoresValuesAndRefreshesTheOpener() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "N01");
  bench.Set("Name", "O'Neil @City");
  bench.Set("Active", "2");
  QVERIFY(editor.SaveData());
  QVERIFY(bench.db.Ui().boxes.isEmpty());
  QCOMPARE(bench.Cell("select Name from Customer where Code='N01'"), QString("O'Neil @City"));
  QCOMPARE(bench.Cell("select City from Customer where Code='N01'"), QString("<null>"));
  QCOMPARE(bench.Cell("select Active from Customer where Code='N01'"), QString("2"));
  QCOMPARE(bench.Cell("select CreditLimit from Customer where Code='N01'"), QString("1000"));
  QVERIFY(bench.GridRow(2, "N01") > 0);
}

void TestSave::updateUsesTheGridRecordId() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  const int row = bench.GridRow(2, "C002");
  frmEdit& editor = bench.Open(1, row);
  const QString id = bench.Get("ID");
  // The hidden ID field's text is no key: the edited record stays the one
  // of the grid row, and its own Code does not count as taken.
  bench.Set("ID", bench.Cell("select ID from Customer where Code='C001'"));
  bench.Set("Name", "Birchwood Trading");
  QVERIFY(editor.SaveData());
  QCOMPARE(bench.Cell("select Name from Customer where ID=" + id), QString("Birchwood Trading"));
  QCOMPARE(bench.Cell("select Name from Customer where Code='C001'"), QString("Alder & Finch Ltd"));
}

void TestSave::updateOfADeletedRecordFails() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  const int row = bench.GridRow(2, "C002");
  frmEdit& editor = bench.Open(1, row);
  QString error;
  QVERIFY(ExecuteSQL("delete from Customer where Code='C002'", &error));
  const QString count = bench.Cell("select count(*) from Customer");
  bench.Set("Name", "Gone Meanwhile");
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().texts(), QStringList{GetLangString(1216)});
  QCOMPARE(bench.Cell("select count(*) from Customer"), count);
  QCOMPARE(bench.Get("Name"), QString("Gone Meanwhile"));
}

void TestSave::keyTestIgnoresTheBrowseFilter() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  QVERIFY(bench.browse->RefreshData("Code='C001'"));
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "C002");
  bench.Set("Name", "Twin");
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().texts(), QStringList{ReplaceParams(GetLangString(1005), {"Code"})});
}

void TestSave::saveAndAddClearsForTheNextRecord() {
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(1, bench.GridRow(2, "C003"));
  bench.Set("Code", "N02");
  bench.Set("CreditLimit", "7");
  editor.cmdAdd_Click();
  QVERIFY(bench.db.Ui().boxes.isEmpty());
  QCOMPARE(editor.EditMode(), 0);
  QCOMPARE(bench.Get("Code"), QString());
  QCOMPARE(bench.Get("Name"), QString());
  QCOMPARE(bench.Get("CreditLimit"), QString("1000.00"));
  QCOMPARE(bench.Cell("select Name from Customer where Code='N02'"), QString("Copperleaf Studio"));
  // The next save adds a record.
  bench.Set("Code", "N03");
  bench.Set("Name", "Third");
  QVERIFY(editor.SaveData());
  QCOMPARE(bench.Cell("select count(*) from Customer where Code in ('C003','N02','N03')"),
           QString("2"));
}

void TestSave::billNumberAndAuditColumns() {
  editorsupport::Bench bench;
  bench.Browse("SalesBills", "SalesBill");
  frmEdit& editor = bench.Open(0);
  bench.Set("CustCode", "C001");
  bench.Set("BillDate", "2024-03-05 14:37:09");
  QVERIFY(editor.SaveData());
  QCOMPARE(bench.Cell("select CurrID from tblBillID where RsName='SalesBill'"), QString("4"));
  const QString where = " from SalesBill where BillNo like 'SB%0004'";
  QCOMPARE(bench.Cell("select CustCode" + where), QString("C001"));
  QCOMPARE(bench.Cell("select BillDate" + where), QString("2024-03-05 14:37:09"));
  QCOMPARE(bench.Cell("select CreatedBy" + where), QString("admin"));
  QVERIFY(bench.Cell("select CreationDate" + where).startsWith(QDate::currentDate().toString("yyyy-MM-dd")));
  QCOMPARE(bench.Cell("select ModifiedBy" + where), QString("<null>"));

  bench.browse->RefreshData();
  bench.Open(1, bench.GridRow(2, bench.Cell("select BillNo" + where)));
  bench.Set("CustName", "Changed");
  QVERIFY(bench.editor->SaveData());
  QCOMPARE(bench.Cell("select ModifiedBy" + where), QString("admin"));
  QCOMPARE(bench.Cell("select CustName" + where), QString("Changed"));
  QCOMPARE(bench.Cell("select CurrID from tblBillID where RsName='SalesBill'"), QString("4"));
}

void TestSave::failedInsertLeavesNoNumberBehind() {
  editorsupport::Bench bench;
  bench.db.Exec("create trigger refuse before insert on SalesBill "
                "begin select raise(abort, 'refused'); end");
  bench.Browse("SalesBills", "SalesBill");
  frmEdit& editor = bench.Open(0);
  const QString preview = bench.Get("BillNo");
  bench.Set("CustCode", "C001");
  bench.Set("Remark", "typed");
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().boxes.size(), 1);
  QVERIFY(bench.db.Ui().boxes[0].text.contains("refused"));
  QCOMPARE(bench.Cell("select CurrID from tblBillID where RsName='SalesBill'"), QString("3"));
  QCOMPARE(bench.Get("BillNo"), preview);
  QCOMPARE(bench.Get("Remark"), QString("typed"));
  QCOMPARE(DbConnection->TransactionDepth(), 0);
}

void TestSave::customRangeUsesTheSaveFormat() {
  editorsupport::Bench bench;
  bench.db.Exec("update tblRecordset set InputRange='Custom', InputExp='@1>0', "
                "SaveFormat='<GetFormatValue:0.00>' where RsName='Customer' and Field='CreditLimit'");
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "N05");
  bench.Set("Name", "Ranged");
  bench.Set("CreditLimit", "0");
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().texts(), QStringList{ReplaceParams(GetLangString(1011), {"Credit Limit"})});
  bench.Set("CreditLimit", "5");
  QVERIFY(editor.SaveData());
  QCOMPARE(bench.Cell("select CreditLimit from Customer where Code='N05'"), QString("5"));
}

void TestSave::unknownTagStopsTheSave_data() {
  QTest::addColumn<QString>("module");
  QTest::addColumn<QString>("rsName");
  QTest::addColumn<QString>("change");
  QTest::newRow("save format") << "Customers" << "Customer"
                               << "SaveFormat='<NoSuchFn:x>' where RsName='Customer' and Field='Name'";
  QTest::newRow("key save format") << "Customers" << "Customer"
                                   << "SaveFormat='<NoSuchFn:x>' where RsName='Customer' and Field='Code'";
  QTest::newRow("custom range converter")
      << "Customers" << "Customer"
      << "InputRange='Custom', InputExp='1=1', SaveFormat='<NoSuchFn:x>' "
         "where RsName='Customer' and Field='CreditLimit'";
  QTest::newRow("bill number") << "SalesBills" << "SalesBill"
                               << "CustomBillID='SB<NoSuchFn:0000>' where RsName='SalesBill' and "
                                  "Field='BillNo'";
}

void TestSave::unknownTagStopsTheSave() {
  QFETCH(QString, module);
  QFETCH(QString, rsName);
  QFETCH(QString, change);
  editorsupport::Bench bench;
  bench.db.Exec("update tblRecordset set " + change);
  bench.Browse(module, rsName);
  frmEdit& editor = bench.Open(0);
  if (rsName == "Customer") {
    bench.Set("Code", "N07");
    bench.Set("Name", "Tagged");
  } else {
    bench.Set("CustCode", "C001");
  }
  const QString before = bench.Cell("select count(*) from " + rsName);
  const QString counters = bench.Cell("select sum(CurrID) from tblBillID");
  bench.db.Ui().boxes.clear();
  QVERIFY(!editor.SaveData());
  QCOMPARE(bench.db.Ui().texts(), QStringList{ReplaceParams(GetLangString(1206), {"NoSuchFn"})});
  QCOMPARE(bench.Cell("select count(*) from " + rsName), before);
  QCOMPARE(bench.Cell("select sum(CurrID) from tblBillID"), counters);
  QCOMPARE(DbConnection->TransactionDepth(), 0);
}

void TestSave::saveFormatTagsEachTakeTheTypedValue() {
  editorsupport::Bench bench;
  bench.db.Exec("update tblRecordset set SaveFormat='<GetFormatValue:0><GetFormatValue:0.00>' "
                "where RsName='Customer' and Field='CreditLimit'");
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "N08");
  bench.Set("Name", "Formats");
  bench.Set("CreditLimit", "12.345");
  QVERIFY(editor.SaveData());
  QCOMPARE(bench.Cell("select CreditLimit from Customer where Code='N08'"), QString("12.35"));
}

void TestSave::keyLengthIsTheStoredValues_data() {
  QTest::addColumn<int>("maxLength");
  QTest::addColumn<bool>("saved");
  QTest::newRow("converted too long") << 4 << false;
  QTest::newRow("converted fits") << 6 << true;
}

void TestSave::keyLengthIsTheStoredValues() {
  QFETCH(int, maxLength);
  QFETCH(bool, saved);
  editorsupport::Bench bench;
  bench.db.Exec(QString("update tblRecordset set MaxLength=%1, SaveFormat='<GetFormatValue:000000>' "
                        "where RsName='Customer' and Field='Code'")
                    .arg(maxLength));
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Code", "12");
  bench.Set("Name", "Padded");
  QCOMPARE(editor.SaveData(), saved);
  QCOMPARE(bench.db.Ui().texts(),
           saved ? QStringList() : QStringList{ReplaceParams(GetLangString(1007), {"Code"})});
  QCOMPARE(bench.Cell("select count(*) from Customer where Code='000012'"), QString(saved ? "1" : "0"));
}

void TestSave::templateFill_data() {
  QTest::addColumn<QString>("statement");
  QTest::addColumn<QString>("expected");
  QTest::newRow("whole names") << "values('@Qty','@QtyUnit')" << "values('2','box')";
  QTest::newRow("value not refilled") << "set N='@Note',Q='@Qty'" << "set N='see @Qty',Q='2'";
  QTest::newRow("quotes doubled, empty null") << "('@Name','@Empty')" << "('O''Neil','null')";
  QTest::newRow("unknown stays") << "where ID=@Other and X=@QtyX" << "where ID=@Other and X=@QtyX";
  QTest::newRow("case exact") << "'@qty'" << "'@qty'";
}

void TestSave::templateFill() {
  QFETCH(QString, statement);
  QFETCH(QString, expected);
  const SqlTemplate::Values values{
      {"Qty", "2"}, {"QtyUnit", "box"}, {"Note", "see @Qty"}, {"Name", "O'Neil"}, {"Empty", ""}};
  QCOMPARE(SqlTemplate::Fill(statement, values), expected);
  QCOMPARE(SqlTemplate::Statement("insert x|second"), QString("insert x"));
}

void TestSave::calculatedCheckValue_data() {
  QTest::addColumn<QString>("expression");
  QTest::addColumn<QString>("expected");
  QTest::newRow("True") << "Active=True" << "1";
  QTest::newRow("-1") << "Active=-1" << "1";
  QTest::newRow("False") << "Active=False" << "0";
  QTest::newRow("0") << "Active=0" << "0";
  QTest::newRow("2") << "Active=2" << "2";
}

void TestSave::calculatedCheckValue() {
  QFETCH(QString, expression);
  QFETCH(QString, expected);
  editorsupport::Bench bench;
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(0);
  bench.Set("Active", expected == "0" ? "1" : "0");
  ExecCalculate(editor.Fields(), expression);
  QCOMPARE(bench.Get("Active"), expected);
}


// Opening a record in Modify and saving it unchanged leaves the stored row
// exactly as it was (or, for a value over its maximum length, refuses the
// save with the length message): nothing cut, no time lost, no number
// turned into text.
void TestSave::unchangedSaveKeepsTheRow_data() {
  QTest::addColumn<QString>("definition");  // a change to Customer's field rows
  QTest::addColumn<QString>("stored");      // a change to customer C001
  QTest::addColumn<QString>("refusal");     // the message shown, empty when saved
  QTest::newRow("text over its max length")
      << "MaxLength=5 where Field='Name'" << "Name='Alder & Finch Ltd'" << "Name is too long.";
  QTest::newRow("text area over its max length")
      << "MaxLength=5, ControlType='TextArea' where Field='Remark'" << "Remark='Pays in 30 days'"
      << "Remark is too long.";
  QTest::newRow("date with time, date shown")
      << "ControlType='DateTime', DisplayFormat='<GetFormatValue:yyyy-MM-dd>', "
         "SaveFormat='<GetFormatValue:yyyy-MM-dd hh:mm:ss>' where Field='Phone'"
      << "Phone='2024-01-15 09:30:00'" << QString();
  QTest::newRow("grouped number")
      << "DisplayFormat='<GetFormatValue:#,##0.00>' where Field='CreditLimit'"
      << "CreditLimit=1234.5" << QString();
  QTest::newRow("check 0") << QString() << "Active=0" << QString();
  QTest::newRow("check 1") << QString() << "Active=1" << QString();
  QTest::newRow("check 2") << QString() << "Active=2" << QString();
}

void TestSave::unchangedSaveKeepsTheRow() {
  QFETCH(QString, definition);
  QFETCH(QString, stored);
  QFETCH(QString, refusal);
  editorsupport::Bench bench;
  if (!definition.isEmpty())
    browsefixture::Database::Exec("update tblRecordset set " + definition +
                                  " and RsName='Customer'");
  browsefixture::Database::Exec("update Customer set " + stored + " where Code='C001'");
  const QString dump =
      "select quote(ID)||'|'||quote(Code)||'|'||quote(Name)||'|'||quote(City)||'|'||quote(Phone)"
      "||'|'||quote(Email)||'|'||quote(CreditLimit)||'|'||quote(Active)||'|'||quote(Remark) "
      "from Customer where Code='C001'";
  const QString before = bench.Cell(dump);
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(1, bench.GridRow(2, "C001"));
  QCOMPARE(editor.SaveData(), refusal.isEmpty());
  QCOMPARE(bench.db.Ui().texts(), refusal.isEmpty() ? QStringList{} : QStringList{refusal});
  QCOMPARE(bench.Cell(dump), before);
}

void TestSave::recordZeroIsARecord() {
  editorsupport::Bench bench;
  browsefixture::Database::Exec("update Customer set ID=0 where Code='C002'");
  bench.Browse("Customers", "Customer");
  frmEdit& editor = bench.Open(1, bench.GridRow(2, "C002"));
  bench.Set("Name", "Birchwood Trading");
  QVERIFY(editor.SaveData());
  QVERIFY(bench.db.Ui().boxes.isEmpty());
  QCOMPARE(bench.Cell("select Name from Customer where ID=0"), QString("Birchwood Trading"));
}

QTEST_MAIN(TestSave)
#include "tst_save.moc"
