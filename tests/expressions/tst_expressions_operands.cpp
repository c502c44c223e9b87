#include <QtTest>

#include "expressions/OperandText.h"

using rd::VbValue;

// The fast conversions must give exactly what the general ones give.
class TestOperands : public QObject {
  Q_OBJECT

 private slots:
  void operands_data() {
    QTest::addColumn<QString>("text");
    for (const char* text : {"0", "-0", "5", "32767", "32768", "-32769", "2147483647",
                             "2147483648", "9.5", "0.1", "-12.345", "5.", ".5", "007",
                             "123456789012345", "1234567890123456", "0.123456789012",
                             "1e3", " 5", "+5", "", "abc", "1-2", "&H10", "1,5"})
      QTest::newRow(text) << QString(text);
  }
  void operands() {
    QFETCH(QString, text);
    const VbValue fast = rd::OperandText::ToOperand(text);
    const VbValue general = VbValue::FromOperandText(text);
    QCOMPARE(fast.type(), general.type());
    if (general.IsString()) QCOMPARE(fast.RawText(), general.RawText());
    else if (!general.IsNull()) QCOMPARE(fast.ToDouble(), general.ToDouble());
  }

  void resultTexts() {
    QList<VbValue> values{VbValue::Double(0.1 + 0.2), VbValue::Double(1e-5),
                          VbValue::Double(1e9 + 0.5), VbValue::Double(1.0 / 3),
                          VbValue::Double(-0.0), VbValue::Integer(-7), VbValue::Long(100000),
                          VbValue::Boolean(true), VbValue(), VbValue::Null(), VbValue("x")};
    for (int q = 0; q < 100; ++q)
      for (int p = 0; p < 7; ++p)
        for (int d = 0; d < 3; ++d) values << VbValue::Double(q * (9.5 + p) - d)
                                           << VbValue::Double(q * (0.01 * p + 1.1) - d * 0.3);
    for (const VbValue& value : values) {
      bool ok = false;
      int error = 0;
      const QString general = value.ToText(&error);
      QCOMPARE(rd::OperandText::FromResult(value, &ok), general);
      QCOMPARE(ok, error == 0);
    }
  }
};

QTEST_MAIN(TestOperands)
#include "tst_expressions_operands.moc"
