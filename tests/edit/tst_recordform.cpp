// The generated fields of an editor: check boxes, text area limits and the
// checks a picker's value goes through.
#include <QApplication>
#include <QComboBox>
#include <QWheelEvent>
#include <QtTest>

#include "support/ExprFixture.h"
#include "core/modCommon.h"
#include "edit/RecordForm.h"

using namespace rd;

class TestRecordForm : public QObject {
  Q_OBJECT

  std::unique_ptr<exprfixture::Database> db_;
  ScriptedUi* ui_ = nullptr;

  static void exec(const QString& sql) {
    QString error;
    QVERIFY2(ExecuteSQL(sql, &error), qPrintable(error));
  }
  // One record source "Dated" with a shown picker field of that definition.
  static void definePicker(const QString& inputRange, const QString& saveFormat) {
    exec("delete from tblRecordset where RsName='Dated'");
    exec("insert into tblRecordset (RsName, Field, ControlType, [Language], IsKey, IsShow, "
         "IsReadOnly, IsInput, InputRange, MaxLength, SaveFormat, IsBillID) values ('Dated', "
         "'Due', 'DateTime', 'Due', 0, 1, 0, 0, " +
         SqlLiteral(inputRange) + ", 0, " + SqlLiteral(saveFormat) + ", 0)");
  }

 private slots:
  void initTestCase() {
    db_ = std::make_unique<exprfixture::Database>();
    QVERIFY(db_->Ok());
  }
  void init() { ui_ = ScriptedUi::Install(); }
  void cleanup() { ScriptedUi::Uninstall(); }

  void checkBoxClicksToggleTwoStates() {
    QWidget window;
    RecordForm form(&window);
    QVERIFY(form.Build("Customer", FormLayout(), 120));
    const FieldDef* active = form.FindField("Active");
    QVERIFY(active);
    QCheckBox* box = form.Check1[active->index];
    window.show();
    QVERIFY(form.SetValue(*active, "0"));
    box->click();
    QCOMPARE(form.Value(*active), QString("1"));
    box->click();
    QCOMPARE(form.Value(*active), QString("0"));
    QVERIFY(form.SetValue(*active, "2"));
    QCOMPARE(form.Value(*active), QString("2"));
    box->click();
    QCOMPARE(form.Value(*active), QString("1"));
  }

  void textAreaTypingStopsAtMaxLength() {
    QWidget window;
    RecordForm form(&window);
    QVERIFY(form.Build("Customer", FormLayout(), 120));
    const FieldDef* remark = form.FindField("Remark");  // MaxLength 200
    QVERIFY(remark);
    QPlainTextEdit* area = form.Text2[remark->index];
    window.show();
    area->setFocus();
    QTest::keyClicks(area, QString(198, 'a'));
    QTest::keyClicks(area, "bcd");
    QCOMPARE(form.Value(*remark), QString(198, 'a') + "bc");
    area->moveCursor(QTextCursor::Start);
    area->insertPlainText("xyz");
    QCOMPARE(form.Value(*remark), QString(198, 'a') + "bc");

    // A longer stored text stays whole for the length check to report.
    QVERIFY(form.SetValue(*remark, QString(250, 'z')));
    QCOMPARE(form.Value(*remark).size(), 250);
  }

  // A read-only list is locked, not disabled: drawn in the button face,
  // no tab stop, and neither keys, wheel nor mouse change it or open it;
  // a value set from code still shows. An editable list is none of that.
  void readOnlyListsAreLocked_data() {
    QTest::addColumn<QString>("controlType");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("Combo, read-only") << "Combo" << true;
    QTest::newRow("ComboList, read-only") << "ComboList" << true;
    QTest::newRow("Combo, editable") << "Combo" << false;
    QTest::newRow("ComboList, editable") << "ComboList" << false;
  }
  void readOnlyListsAreLocked() {
    QFETCH(QString, controlType);
    QFETCH(bool, readOnly);
    exec("delete from tblRecordset where RsName='Listed'");
    exec("insert into tblRecordset (RsName, Field, ControlType, [Language], IsKey, IsShow, "
         "IsReadOnly, IsInput, InputRange, MaxLength, IsBillID) values ('Listed', 'Town', " +
         SqlLiteral(controlType) + ", 'Town', 0, 1, " + (readOnly ? "1" : "0") +
         ", 0, 'Any', 0, 0)");
    QWidget window;
    RecordForm form(&window);
    QVERIFY(form.Build("Listed", FormLayout(), 120));
    const FieldDef* town = form.FindField("Town");
    QVERIFY(town);
    auto* box = qobject_cast<QComboBox*>(form.InputControl(town->label));
    QVERIFY(box);
    box->addItems({"North", "South", "West"});
    box->setCurrentIndex(0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QVERIFY(box->isEnabled());
    QCOMPARE(box->focusPolicy() == Qt::NoFocus, readOnly);
    QCOMPARE(box->palette().color(QPalette::Base) == box->palette().color(QPalette::Button),
             readOnly);
    QTest::keyClick(box, Qt::Key_Down);
    QWheelEvent wheel(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(box, &wheel);
    if (box->isEditable()) QTest::keyClicks(box, "x");
    QCOMPARE(box->currentText() == "North", readOnly);
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(box->width() - 5, 5));
    QCOMPARE(QApplication::activePopupWidget() != nullptr, !readOnly);
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();

    QVERIFY(form.SetValue(*town, "West"));
    QCOMPARE(box->currentText(), QString("West"));
  }

  void pickerIsCheckedAsSaved_data() {
    QTest::addColumn<QString>("inputRange");
    QTest::addColumn<QString>("saveFormat");
    QTest::addColumn<bool>("passes");
    QTest::newRow("year saved, a number") << "Digital" << "<GetFormatValue:yyyy>" << true;
    QTest::newRow("date saved, no number") << "Digital" << "<GetFormatValue:yyyy-MM-dd>" << false;
    QTest::newRow("no save format, no number") << "Digital" << "" << false;
  }
  void pickerIsCheckedAsSaved() {
    QFETCH(QString, inputRange);
    QFETCH(QString, saveFormat);
    QFETCH(bool, passes);
    definePicker(inputRange, saveFormat);
    QWidget window;
    window.setWindowTitle("Dated");
    RecordForm form(&window);
    QVERIFY(form.Build("Dated", FormLayout(), 120));
    window.show();
    const FieldDef* due = form.FindField("Due");
    QVERIFY(due);
    QVERIFY(form.SetValue(*due, "2024-03-05 10:20:30"));
    QCOMPARE(form.CheckData(RecordForm::KeyScope()), passes);
    QCOMPARE(ui_->boxes.size(), passes ? 0 : 1);
    if (!passes) QCOMPARE(ui_->boxes[0].text, ReplaceParams(GetLangString(1008), {"Due"}));
  }
};

QTEST_MAIN(TestRecordForm)
#include "tst_recordform.moc"
