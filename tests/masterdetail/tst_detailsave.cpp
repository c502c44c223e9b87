#include <QtTest>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "expressions/EditorFields.h"
#include "masterdetail/MasterDetailSave.h"
#include "support/SampleDatabase.h"

// The detail lines of a save, stored through their prepared statement and,
// for comparison, through statements filled line by line.
class TestDetailSave : public QObject {
  Q_OBJECT

  // A detail grid of one column "V".
  class Lines : public rd::EditorFields {
   public:
    explicit Lines(QStringList values) : values_(std::move(values)) {}
    int LabelCount() const override { return 1; }
    QString LabelTag(int) const override { return {}; }
    QString FieldValue(rd::ControlKind, int) const override { return {}; }
    bool SetFieldValue(rd::ControlKind, int, const QString&) override { return false; }
    bool SetPickerFormat(int, const QString&) override { return false; }
    int GridRows() const override { return int(values_.size()) + 1; }
    int GridCols() const override { return 2; }
    QString GridColKey(int) const override { return "V"; }
    QString GridTextMatrix(int row, int) const override { return values_[row - 1]; }
    QString Caption() const override { return {}; }

   private:
    QStringList values_;
  };

  static void useTemplate(const QString& detailInsert) {
    QVERIFY(rd::DbConnection->ExecuteBound(
        "insert into tblRecordset(RsName, InsertSQL, DeleteSQL) values (?, ?, ?)",
        {QString("TestLine"), detailInsert, QString("delete from d where k = '@K'")}));
  }

  // The save as the editor runs it: master and lines in one transaction.
  static bool save(const QString& key, const QStringList& values, QString* error) {
    rd::MasterDetailSave writer;
    if (!writer.LoadTemplates("TestBill", "TestLine", 0, error)) return false;
    rd::Transaction t(*rd::DbConnection);
    return writer.Write({{"K", key}}, 0, {"K", "K", key, {}}, Lines(values), error) &&
           t.Commit();
  }

  // The lines filled into whole statements, as every line was stored before.
  static bool saveFilled(const QString& detailInsert, const QString& key,
                         const QStringList& values, QString* error) {
    rd::Transaction t(*rd::DbConnection);
    if (!rd::ExecuteSQL("insert into m(k) values (" + rd::SqlLiteral(key) + ")", error))
      return false;
    for (const QString& v : values)
      if (!rd::ExecuteSQL(rd::SqlTemplate::Fill(detailInsert, {{"K", key}, {"V", v}}), error))
        return false;
    return t.Commit();
  }

  // The save stores what the filled statements store, or fails alike.
  static void storesAsFilled(const QString& detailInsert, const QStringList& lines) {
    useTemplate(detailInsert);
    QString filledError, error;
    const bool filledOk = saveFilled(detailInsert, "before", lines, &filledError);
    const bool ok = save("after", lines, &error);
    QCOMPARE(ok, filledOk);
    QCOMPARE(error, filledError);
    QCOMPARE(stored("d", "after"), stored("d", "before"));
    QCOMPARE(stored("m", "after").size(), ok ? 1 : 0);
  }

  static QStringList stored(const QString& table, const QString& key) {
    rd::QueryResult r;
    const QString cells =
        table == "m" ? "k"
                     : "typeof(t)||' '||quote(t)||' '||typeof(i)||' '||quote(i)||' '||"
                       "typeof(r)||' '||quote(r)||' '||typeof(n)||' '||quote(n)";
    if (!rd::DbConnection->Query("select " + cells + " from " + table + " where k = " +
                                     rd::SqlLiteral(key) + " order by rowid",
                                 &r))
      return {"?" + rd::DbConnection->LastError()};
    QStringList rows;
    for (int i = 0; i < r.rowCount(); ++i) rows << r.Text(i, 0);
    return rows;
  }

 private slots:
  void init() {
    db_ = std::make_unique<SampleDatabase>();
    SampleDatabase::Exec("create table m (k text)");
    SampleDatabase::Exec("create table d (k text, t text, i integer, r real, n)");
    QVERIFY(rd::DbConnection->Execute(
        "insert into tblRecordset(RsName, InsertSQL) values "
        "('TestBill', 'insert into m(k) values (''@K'')')"));
  }
  void cleanup() { db_.reset(); }

  void storesWhatFilledStatementsStore_data() {
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("value");
    const QString mark(QChar(rd::Connection::TextMark));
    const struct {
      const char* name;
      const char* placeholder;
      QString value;
    } rows[] = {
        {"text", "'@V'", "Zed"},
        {"empty", "'@V'", ""},
        {"typed null", "'@V'", "null"},
        {"upper-case null", "'@V'", "NULL"},
        {"quotes", "'@V'", "it's ''x'' '"},
        {"text mark", "'@V'", "a" + mark + "b"},
        {"text mark only", "'@V'", mark},
        {"null with text mark", "'@V'", "nu" + mark + "ll"},
        {"quoted digits", "'@V'", "042"},
        {"quoted decimal", "'@V'", "2.50"},
        {"quoted negative", "'@V'", "-5"},
        {"quoted huge", "'@V'", "9223372036854775808"},
        {"comment in the value", "'@V'", "x'); -- y"},
        {"NUL", "'@V'", QString("a") + QChar(0) + "b"},
        {"bare digits", "@V", "42"},
        {"bare zero-padded", "@V", "00000000000000000000042"},
        {"bare largest integer", "@V", "9223372036854775807"},
        {"bare huge", "@V", "9223372036854775808"},
        {"bare decimal", "@V", "2.50"},
        {"bare exponent", "@V", "1e3"},
        {"bare negative", "@V", "-5"},
        {"bare empty", "@V", ""},
        {"bare typed null", "@V", "null"},
        {"bare other digits", "@V", QString::fromUtf8("\u0663")},
        {"bare text", "@V", "abc"},
        {"bare in an expression", "-(@V+1)", "41"},
        {"bare after a name", "1@V", "5"},
        {"inside a longer literal", "'x@V'", ""},
        {"completing a null literal", "'nu@V'", "ll"},
        {"blob literal", "x'@V'", "41"},
        {"quote in a comment", "/* it's */ '@V'", ""},
        {"unknown placeholder", "'@Nope'", "5"},
        {"bare unknown placeholder", "@Nope", "5"},
    };
    for (const auto& row : rows) QTest::newRow(row.name) << row.placeholder << row.value;
  }
  // Every value is stored byte for byte as before, into text, integer,
  // real and untyped columns; a statement that fails fails alike.
  void storesWhatFilledStatementsStore() {
    QFETCH(QString, placeholder);
    QFETCH(QString, value);
    // The second line runs the statement the first one prepared.
    storesAsFilled(QString("insert into d(k, t, i, r, n) values ('@K', %1, %1, %1, %1)")
                       .arg(placeholder),
                   {value, value});
  }

  void linesOfMixedShapes_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<bool>("stores");
    QTest::newRow("stored") << QStringList{"42", "2.50", "", "7", "42"} << true;
    QTest::newRow("text that is no value fails")
        << QStringList{"42", "2.50", "", "abc", "42"} << false;
  }
  // Lines that bind and lines that fill their bare value into the text
  // take turns in one save, beside a quoted value and a 'null' literal.
  void linesOfMixedShapes() {
    QFETCH(QStringList, lines);
    QFETCH(bool, stores);
    storesAsFilled("insert into d(k, t, i, r, n) values ('@K', 'null', @V, @V, '@V')", lines);
    QCOMPARE(stored("d", "after").size(), stores ? lines.size() : 0);
  }

  void nulIsRefusedAndNothingKept() {
    useTemplate("insert into d(k, t) values ('@K', '@V')");
    QString error;
    QVERIFY(!save("b1", {"fine", QString("a") + QChar(0)}, &error));
    QCOMPARE(error, rd::GetLangString(1271));
    QVERIFY(!error.isEmpty());
    QCOMPARE(stored("m", "b1"), QStringList());
    QCOMPARE(stored("d", "b1"), QStringList());
  }

  void failingLineRollsBackTheWholeSave() {
    SampleDatabase::Exec("create unique index d_i on d(i)");
    useTemplate("insert into d(k, i) values ('@K', @V)");
    QString error;
    QVERIFY(!save("b1", {"1", "2", "1", "3"}, &error));
    QVERIFY2(error.contains("UNIQUE"), qPrintable(error));
    QCOMPARE(stored("m", "b1"), QStringList());
    QCOMPARE(stored("d", "b1"), QStringList());
    // The next save prepares and runs the statement afresh.
    QVERIFY2(save("b2", {"1", "2"}, &error), qPrintable(error));
    QCOMPARE(stored("d", "b2").size(), 2);
  }

 private:
  std::unique_ptr<SampleDatabase> db_;
};

QTEST_MAIN(TestDetailSave)
#include "tst_detailsave.moc"
