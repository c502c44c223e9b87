#include <QtTest>

#include "platform/format/Format.h"
#include "platform/script/VbExpression.h"

using rd::VbValue;

class TestFormat : public QObject {
  Q_OBJECT

 private slots:
  // The value column is an expression, so that its type is the one the
  // script gives (numbers, dates, text, Null).
  void format_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* v, const char* f, const char* r) {
      QTest::newRow(name) << QString(v) << QString::fromUtf8(f) << QString::fromUtf8(r);
    };
    // numbers
    row("zero padding", "1", "0000", "0001");
    row("thousands", "1234.5", "#,##0.00", "1,234.50");
    row("thousands large", "1234567.891", "#,##0.00", "1,234,567.89");
    row("hash rounds half away", "1234.5", "#", "1235");
    row("half away from zero", "2.5", "0", "3");
    row("negative half away", "-2.5", "0", "-3");
    row("decimal digits not binary", "1.005", "0.00", "1.01");
    row("optional digits", "0.5", "#.##", ".5");
    row("point always written", "5", "#.##", "5.");
    row("optional after required", "1.5", "0.0#", "1.5");
    row("required decimals", "1", "0.0#", "1.0");
    row("zero", "0", "0.00", "0.00");
    row("negative section", "-1234.5", "#,##0.00;(#,##0.00)", "(1,234.50)");
    row("zero section", "0", "0;-0;\"zero\"", "zero");
    row("empty negative section", "-5", "0;;\"z\"", "-5");
    row("null section", "Null", "0;-0;0;\"none\"", "none");
    row("null without section", "Null", "0.00", "");
    row("percent", "0.256", "0.0%", "25.6%");
    row("scientific", "1234.5", "0.00E+00", "1.23E+03");
    row("scientific small", "0.00012", "0.0E-00", "1.2E-04");
    row("scientific minus sign only", "1234.5", "0.0E-0", "1.2E3");
    row("scientific rounds up", "9.999", "0.00E+00", "1.00E+01");
    row("literals between digits", "1234", "00-00", "12-34");
    row("scaled by thousands", "1234567890", "#,##0,,", "1,235");
    row("escaped literal", "5", "\\$0", "$5");
    row("quoted literal", "5", "\"Qty: \"0", "Qty: 5");
    row("plain literal", "5", "0 pcs.", "5 pcs.");
    row("numeric text", "\"1234.5\"", "#,##0.00", "1,234.50");
    row("text unchanged", "\"abc\"", "0.00", "abc");
    row("boolean as number", "True", "0", "-1");
    row("empty format", "1234.5", "", "1234.5");
    row("empty format boolean", "True", "", "True");
    row("empty format date", "#2008-09-06#", "", "2008-09-06");
    row("bill number", "7", "0000", "0007");
    // dates
    row("stamp keeps minutes", "#2008-09-06 15:04:05#", "yyyy-MM-dd hh:mm:ss", "2008-09-06 15:04:05");
    row("compact date", "#2008-09-06 15:04:05#", "yyyyMMdd", "20080906");
    row("minutes with n", "#2008-09-06 15:04:05#", "hh:nn", "15:04");
    row("month not minute", "#2008-09-06 15:04:05#", "m/d/yy", "9/6/08");
    row("twelve hour", "#2008-09-06 15:04:05#", "h:nn AM/PM", "3:04 PM");
    row("twelve hour lower", "#2008-09-06 03:04:05#", "hh:mm am/pm", "03:04 am");
    row("a/p", "#2008-09-06 15:04:05#", "h A/P", "3 P");
    row("noon", "#2008-09-06 12:00#", "h AM/PM", "12 PM");
    row("midnight", "#2008-09-06#", "h AM/PM", "12 AM");
    row("month names", "#2008-09-06#", "mmm d, yyyy", "Sep 6, 2008");
    row("long month", "#2008-09-06#", "mmmm", "September");
    row("day names", "#2008-09-06#", "ddd dddd", "Sat Saturday");
    row("quarter", "#2008-09-06#", "q", "3");
    row("weekday number", "#2008-09-06#", "w", "7");
    row("week of year", "#2008-09-06#", "ww", "36");
    row("first week", "#2008-01-05#", "ww", "1");
    row("second week starts sunday", "#2008-01-06#", "ww", "2");
    row("day of year", "#2008-09-06#", "y", "250");
    row("two digit year", "#2008-09-06#", "yy", "08");
    row("single digits", "#2008-01-02 03:04:05#", "d m h:n:s", "2 1 3:4:5");
    row("date text", "\"2008-09-06\"", "dd.mm.yyyy", "06.09.2008");
    row("date from number", "39697", "yyyy-mm-dd", "2008-09-06");
    row("text not a date", "\"abc\"", "yyyy", "abc");
    row("escaped date letters", "#2008-09-06#", "\\d\\a\\y d", "day 6");
    // named formats
    row("currency", "1234.5", "Currency", "$1,234.50");
    row("currency negative", "-1234.5", "Currency", "($1,234.50)");
    row("fixed", "1234.5", "Fixed", "1234.50");
    row("standard", "1234.5", "Standard", "1,234.50");
    row("percent named", "0.5", "Percent", "50.00%");
    row("scientific named", "1234.5", "Scientific", "1.23E+03");
    row("general number", "1234.5", "General Number", "1234.5");
    row("yes", "5", "Yes/No", "Yes");
    row("no", "0", "Yes/No", "No");
    row("true false", "1", "True/False", "True");
    row("on off", "0", "On/Off", "Off");
    row("named any case", "0", "yes/no", "No");
    row("yes no on text", "\"abc\"", "Yes/No", "abc");
    row("short date", "#2008-09-06 15:04:05#", "Short Date", "2008-09-06");
    row("long date", "#2008-09-06 15:04:05#", "Long Date", "Saturday, September 6, 2008");
    row("medium date", "#2008-09-06#", "Medium Date", "06-Sep-08");
    row("short time", "#2008-09-06 15:04:05#", "Short Time", "15:04");
    row("long time", "#2008-09-06 15:04:05#", "Long Time", "15:04:05");
    row("medium time", "#2008-09-06 15:04:05#", "Medium Time", "03:04 PM");
    row("general date", "#2008-09-06 15:04:05#", "General Date", "2008-09-06 15:04:05");
  }
  void format() {
    QFETCH(QString, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    rd::VbError error;
    VbValue v = rd::VbExpression::Eval(value, &error);
    QVERIFY2(!error.IsError(), qPrintable(error.description));
    QCOMPARE(rd::Format(v, format), expected);
  }

  void plainValuesFormat() {
    QCOMPARE(rd::Format(VbValue(1234.5), "#,##0.00"), QString("1,234.50"));
    QCOMPARE(rd::Format(VbValue("2008-09-06 10:00:00"), "yyyy-MM-dd hh:mm:ss"), QString("2008-09-06 10:00:00"));
    QCOMPARE(rd::Format(VbValue(), "0"), QString());
    QCOMPARE(rd::Format(VbValue(""), "0.00"), QString());
  }
};

QTEST_APPLESS_MAIN(TestFormat)
#include "tst_format.moc"
