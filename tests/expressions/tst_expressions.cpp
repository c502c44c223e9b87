#include <QtTest>

#include "support/ExprFixture.h"
#include "core/modCommon.h"
#include "expressions/modExpressions.h"

using exprfixture::Def;
using exprfixture::TestWindow;

class TestExpressions : public QObject {
  Q_OBJECT

  std::unique_ptr<exprfixture::Database> db_;
  ScriptedUi* ui_ = nullptr;

  // Fields A, B, N, Qty, QtyMax, Total, X (text), C (check), D (picker).
  static void addFields(TestWindow& w) {
    for (const char* name : {"A", "B", "N", "Qty", "QtyMax", "Total", "X"}) w.Add(name, "Text");
    w.Add("C", "Check");
    w.Add("D", "DateTime");
  }

 private slots:
  void initTestCase() {
    db_ = std::make_unique<exprfixture::Database>();
    QVERIFY(db_->Ok());
  }
  void init() { ui_ = ScriptedUi::Install(); }
  void cleanup() { ScriptedUi::Uninstall(); }

  void execCalculate_data() {
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    QTest::newRow("number operand") << "A=@B*2" << "3" << "A" << "6";
    QTest::newRow("empty is null") << "A=@B*2" << "" << "A" << "";
    QTest::newRow("bare word") << "X=abc" << "" << "X" << "abc";
    QTest::newRow("date text fails") << "X=2008-09-06 10:00" << "" << "X" << "";
    QTest::newRow("blank before =") << "Total =@B" << "3" << "Total" << "keep";
    QTest::newRow("lone value is data") << "X=@B" << "a-b" << "X" << "a-b";
    QTest::newRow("date value copied") << "X=@B" << "2008-09-06" << "X" << "2008-09-06";
    QTest::newRow("empty value copied") << "X=@B" << "" << "X" << "";
    QTest::newRow("tag typed") << "X=@B" << "<GetSysInfo:UserName>" << "X" << "<GetSysInfo:UserName>";
    QTest::newRow("list typed") << "X=@B" << "1;B=2" << "X" << "1;B=2";
    QTest::newRow("condition typed") << "X=@B" << "0 or 1=1" << "X" << "0 or 1=1";
    QTest::newRow("function name typed") << "X=@B" << "Date" << "X" << "Date";
    QTest::newRow("quote in literal") << "N=UCase(\"@B\")" << "O'Neil" << "N" << "O'NEIL";
    QTest::newRow("double quote in literal") << "N=\"<\" & \"@B\" & \">\"" << "say \"hi\""
                                             << "N" << "<say \"hi\">";
    QTest::newRow("empty in literal") << "N=\"John @B\"" << "" << "N" << "John ";
    QTest::newRow("longest name") << "X=@QtyMax" << "" << "X" << "10";
    QTest::newRow("shorter name") << "X=@Qty+1" << "" << "X" << "4";
    QTest::newRow("lone tag kept") << "X=<GetSysInfo:UserName>" << "" << "X" << "Mary-Ann";
    QTest::newRow("query tag by value") << "X=<GetDBValue:select Name from Item where Code='@B'>"
                                        << "I003" << "X" << "Stapler";
    QTest::newRow("query tag quote") << "X=<GetDBValue:select Name from Item where Code='@B'>"
                                     << "x' or '1'='1" << "X" << "";
    QTest::newRow("query keeps commas") << "X=<GetDBValue:select 'a' || ',' || 'b', 2>" << ""
                                        << "X" << "a,b";
    QTest::newRow("result not expanded") << "X=<GetDBValue:select '<GetSysInfo' || char(58) || 'UserName' || char(62)>" << ""
                                         << "X" << "<GetSysInfo:UserName>";
    QTest::newRow("two tags") << "X=<GetDBValue:select 1>+<GetDBValue:select 2>" << "" << "X" << "3";
    QTest::newRow("less than is no tag") << "X=@B<5 And 7>@B" << "3" << "X" << "True";
    QTest::newRow("check from condition") << "C=@B>1" << "5" << "C" << "1";
    QTest::newRow("check grey") << "C=2" << "" << "C" << "2";
    QTest::newRow("check refuses text") << "C=abc" << "" << "C" << "0";
    QTest::newRow("picker from text") << "D=\"2024-02-03 04:05:06\"" << "" << "D"
                                      << "2024-02-03 04:05:06";
    QTest::newRow("picker keeps bad") << "D=abc" << "" << "D" << "2020-01-01 00:00:00";
    QTest::newRow("tag without argument") << "X=<GetSysInfo>" << "" << "X" << "";
    QTest::newRow("trailing semicolon") << "X=1;" << "" << "X" << "1";
  }
  void execCalculate() {
    QFETCH(QString, calculate);
    QFETCH(QString, b);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    TestWindow w;
    addFields(w);
    w.Set("B", b);
    w.Set("Qty", "3");
    w.Set("QtyMax", "10");
    w.Set("Total", "keep");
    w.Set("D", "2020-01-01");
    const QString items = exprfixture::Scalar("select count(*) from Item");
    QVERIFY(rd::ExecCalculate(w.fields, calculate));
    QCOMPARE(w.Value(target), expected);
    QCOMPARE(exprfixture::Scalar("select count(*) from Item"), items);
    QVERIFY(ui_->boxes.isEmpty());
  }

  void itemsReadValuesBeforeTheFirstItem() {
    TestWindow w;
    addFields(w);
    w.Set("A", "5");
    rd::ExecCalculate(w.fields, "A=1;B=@A+1");
    QCOMPARE(w.Value("A"), "1");
    QCOMPARE(w.Value("B"), "6");
  }

  void recalculatingKeepsTheValue() {
    TestWindow w;
    addFields(w);
    w.Set("N", "O'Neil");
    for (int i = 0; i < 3; ++i) rd::ExecCalculate(w.fields, "N=UCase(\"@N\")");
    QCOMPARE(w.Value("N"), "O'NEIL");
  }

  void calculateFieldRunsTheTagsCalculate() {
    TestWindow w;
    addFields(w);
    const int qty = w.Add("Q2", "Text", Def{"Total=@Q2*@B", "", "", ""});
    w.Set("Q2", "4");
    w.Set("B", "2.5");
    rd::CalculateField(w.fields, w.fields.Label1.Tag(qty));
    QCOMPARE(w.Value("Total"), "10");
  }

  void unknownTagShowsOneMessage() {
    TestWindow w;
    addFields(w);
    w.Set("X", "old");
    QVERIFY(!rd::ExecCalculate(w.fields, "X=<Nothing:1>;A=<Nothing:2>"));
    QCOMPARE(w.Value("X"), "old");  // a failed tag stores nothing
    QCOMPARE(ui_->boxes.size(), 1);
    QCOMPARE(ui_->boxes[0].text, "The tag <Nothing:...> names no function.");
    QCOMPARE(ui_->boxes[0].title, "Test Editor");
  }

  void defaultValues_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("defaultValue");
    QTest::addColumn<QString>("specField");
    QTest::addColumn<QString>("expected");
    QTest::newRow("evaluated") << "Text" << "2008-01-01" << "" << "2006";
    QTest::newRow("word") << "Text" << "abc" << "" << "abc";
    QTest::newRow("user name tag") << "Text" << "<GetSysInfo:UserName>" << "" << "Mary-Ann";
    QTest::newRow("two tags") << "Text" << "<GetDBValue:select 1>+<GetDBValue:select 2>" << "" << "3";
    QTest::newRow("no default") << "Text" << "" << "createdby" << "before";
    QTest::newRow("created by") << "Text" << "x" << "CreatedBy" << "Mary-Ann";
    QTest::newRow("modified by") << "Text" << "x" << "modifiedby" << "";
    QTest::newRow("check") << "Check" << "1" << "" << "1";
    QTest::newRow("combo") << "Combo" << "7*6" << "" << "42";
  }
  void defaultValues() {
    QFETCH(QString, type);
    QFETCH(QString, defaultValue);
    QFETCH(QString, specField);
    QFETCH(QString, expected);
    TestWindow w;
    Def def;
    def.defaultValue = defaultValue;
    def.specField = specField;
    w.Add("F", type, def);
    if (type == "Text") w.Set("F", "before");
    QVERIFY(rd::SetDefaultValue(w.fields));
    QCOMPARE(w.Value("F"), expected);
  }

  void defaultTimesAreTheServerTime() {
    TestWindow w;
    w.Add("Created", "Text", Def{"", "<GetDefaultValue:now()>", "", ""});
    w.Add("When", "DateTime", Def{"", "abc", "", ""});
    const QString before = rd::GetServerDate("ACCESS");
    rd::SetDefaultValue(w.fields);
    const QString after = rd::GetServerDate("ACCESS");
    for (const char* field : {"Created", "When"}) {
      QVERIFY2(w.Value(field) >= before && w.Value(field) <= after, qPrintable(w.Value(field)));
    }
  }

  void displayFormats_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands") << "<GetFormatValue:#,##0.00>" << "1234.5" << "1,234.50";
    QTest::newRow("fixed") << "<GetFormatValue:0.00>" << "3" << "3.00";
    QTest::newRow("two tags in turn") << "<GetFormatValue:0.0><GetFormatValue:0.00>" << "2.345"
                                      << "2.30";
    QTest::newRow("text kept") << "<GetFormatValue:0.00>" << "abc" << "abc";
    QTest::newRow("no tag") << "0.00" << "3" << "3";
    QTest::newRow("unknown function") << "<Nothing:0.00>" << "3" << "3";
  }
  void displayFormats() {
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    TestWindow w;
    w.Add("F", "Text", Def{"", "", format, ""});
    w.Set("F", text);
    QVERIFY(rd::SetDisplayFormat(w.fields));
    QCOMPARE(w.Value("F"), expected);
  }

  void pickerDisplayFormat() {
    TestWindow w;
    const int label = w.Add("D", "DateTime", Def{"", "", "<GetFormatValue:yyyy-MM-dd hh:mm:ss>", ""});
    w.Add("Short", "Text");
    w.fields.Label1.SetTag(label + 1, "Short|Text|1");  // too few parts: ends the pass
    QVERIFY(!rd::SetDisplayFormat(w.fields));
    QCOMPARE(w.fields.DTPicker1[1]->CustomFormat(), "yyyy-MM-dd hh:mm:ss");
  }

  void inputRanges_data() {
    QTest::addColumn<QString>("range");
    QTest::addColumn<QString>("inputExp");
    QTest::addColumn<QString>("converter");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("message");  // 0 passes, -1 refuses silently
    QTest::newRow("any") << "Any" << "" << "" << "x" << 0;
    QTest::newRow("digital blanks") << "Digital" << "" << "" << "  " << 0;
    QTest::newRow("digital number") << "Digital" << "" << "" << " -1.5 " << 0;
    QTest::newRow("digital text") << "Digital" << "" << "" << "12a" << 1008;
    QTest::newRow("letter blank") << "Letter" << "" << "" << "a b" << 1009;
    QTest::newRow("letter tab") << "Letter" << "" << "" << "a\tb" << 0;
    QTest::newRow("letter accent") << "Letter" << "" << "" << "caf\u00e9" << 1009;
    QTest::newRow("digit or letter") << "DigitalOrLetter" << "" << "" << "ab12" << 0;
    QTest::newRow("digit or letter dash") << "DigitalOrLetter" << "" << "" << "ab-1" << 1010;
    QTest::newRow("email empty") << "Email" << "" << "" << "" << 1098;
    QTest::newRow("email no dot") << "Email" << "" << "" << "a@b" << 1098;
    QTest::newRow("email") << "Email" << "" << "" << "a@b.c" << 0;
    QTest::newRow("custom passes") << "Custom" << "@1>0" << "" << "5" << 0;
    QTest::newRow("custom fails") << "Custom" << "@1>0" << "" << "0" << 1011;
    QTest::newRow("custom value is data") << "Custom" << "@1>0" << "" << "0 or 1=1" << 1011;
    QTest::newRow("custom empty literal") << "Custom" << "\"@1\"<>\"\"" << "" << "" << 1011;
    QTest::newRow("custom literal") << "Custom" << "\"@1\"<>\"\"" << "" << "x" << 0;
    QTest::newRow("custom past") << "Custom" << "@1<=now()" << "" << "2000-01-01" << 0;
    QTest::newRow("custom future") << "Custom" << "@1<=now()" << "" << "2999-01-01" << 1011;
    QTest::newRow("custom dates") << "Custom" << "CDate(\"@1\")<=CDate(\"now()\")" << ""
                                  << "2000-01-01 10:00:00" << 0;
    QTest::newRow("custom save format") << "Custom" << "@1=4" << "<GetFormatValue:0>" << "3.6" << 0;
    QTest::newRow("custom call") << "Custom" << "@1=\"x\"" << "GetDefaultValue(@1)" << "x" << 0;
    QTest::newRow("custom no converter") << "Custom" << "@1>0" << "abc" << "5" << 1011;
    const QString countUsers = "GetDBValue(select count(*) from tblUser where UserName='@1')";
    QTest::newRow("custom query finds the value") << "Custom" << "@1=1" << countUsers << "admin" << 0;
    QTest::newRow("custom query value stays data")
        << "Custom" << "@1=0" << countUsers << "x' or '1'='1" << 0;
    QTest::newRow("custom call without argument") << "Custom" << "\"@1\"=\"\"" << "GetDefaultValue(" << "x" << 0;
    QTest::newRow("lower case rule") << "digital" << "" << "" << "5" << -1;
    QTest::newRow("empty rule") << "" << "" << "" << "5" << -1;
  }
  void inputRanges() {
    QFETCH(QString, range);
    QFETCH(QString, inputExp);
    QFETCH(QString, converter);
    QFETCH(QString, value);
    QFETCH(int, message);
    QCOMPARE(rd::CheckInputRange(value, range, inputExp, converter, "Price"), message == 0);
    if (message > 0) {
      QCOMPARE(ui_->boxes.size(), 1);
      QCOMPARE(ui_->boxes[0].text, rd::ReplaceParams(rd::GetLangString(message), {"Price"}));
      QCOMPARE(ui_->boxes[0].icon, rd::MsgIcon::Exclamation);
      QCOMPARE(ui_->boxes[0].title, "RecordDesk");
    } else {
      QVERIFY(ui_->boxes.isEmpty());
    }
  }

  void evalExpression_data() {
    QTest::addColumn<QString>("expr");
    QTest::addColumn<QString>("expected");
    QTest::newRow("sum") << "1+2" << "3";
    QTest::newRow("decimals") << "0.1+0.2" << "0.3";
    QTest::newRow("division") << "7/2" << "3.5";
    QTest::newRow("word") << "abc" << "abc";
    QTest::newRow("leading zeros") << "2008-01-01" << "2006";
    QTest::newRow("syntax error with operator") << "2008-09-06 10:00" << "";
    QTest::newRow("syntax error without") << "a b" << "a b";
    QTest::newRow("null") << "null*2" << "";
    QTest::newRow("empty string") << "\"\"" << "\"\"";
  }
  void evalExpression() {
    QFETCH(QString, expr);
    QFETCH(QString, expected);
    QCOMPARE(rd::EvalExpression(expr), expected);
  }

  void evalCondition_data() {
    QTest::addColumn<QString>("expr");
    QTest::addColumn<bool>("expected");
    QTest::newRow("true") << "\"1\"=1" << true;
    QTest::newRow("false") << "2<1" << false;
    QTest::newRow("null") << "null=1" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("text") << "\"abc\"" << false;
    QTest::newRow("division by zero") << "1/0>1" << false;
  }
  void evalCondition() {
    QFETCH(QString, expr);
    QFETCH(bool, expected);
    QCOMPARE(rd::EvalCondition(expr), expected);
  }

  void specFields_data() {
    QTest::addColumn<QString>("specField");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");  // "user", "time" or a value
    QTest::newRow("created new") << "CreatedBy" << 0 << "user";
    QTest::newRow("created insert") << "createdby" << 1 << "user";
    QTest::newRow("created update") << "CreatedBy" << 3 << "v";
    QTest::newRow("creation date new") << "creationdate" << 0 << "time";
    QTest::newRow("modified new") << "modifiedby" << 0 << "";
    QTest::newRow("modified insert") << "modifiedby" << 1 << "v";
    QTest::newRow("modified update") << "ModifiedBy" << 3 << "user";
    QTest::newRow("modified date update") << "modifieddate" << 3 << "time";
    QTest::newRow("load") << "createdby" << 2 << "v";
    QTest::newRow("other field") << "" << 0 << "v";
  }
  void specFields() {
    QFETCH(QString, specField);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    QString value = "v";
    const QString result = rd::GetSpecFieldValue(value, specField, mode);
    QCOMPARE(value, result);
    if (expected == "user")
      QCOMPARE(result, "Mary-Ann");
    else if (expected == "time")
      QVERIFY(QDateTime::fromString(result, "yyyy-MM-dd hh:mm:ss").isValid());
    else
      QCOMPARE(result, expected);
  }

  void sqlValue_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("formatted") << "select 1234.5" << "#,##0.00" << "1,234.50";
    QTest::newRow("plain") << "select max(Price) from Item" << "" << "59.9";
    QTest::newRow("null") << "select null" << "0.00" << "";
    QTest::newRow("no row") << "select 1 from Item where 1=0" << "" << "";
  }
  void sqlValue() {
    QFETCH(QString, sql);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(rd::GetSqlValue(sql, format), expected);
  }
};

QTEST_MAIN(TestExpressions)
#include "tst_expressions.moc"
