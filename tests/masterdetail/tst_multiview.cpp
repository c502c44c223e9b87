#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "browse/FillBillForm.h"
#include "core/modCommon.h"
#include "edit/RecordForm.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"
#include "masterdetail/MultiEditFixture.h"
#include "masterdetail/frmMultiView.h"

using multieditfixture::Database;
using multieditfixture::Opener;

class TestMultiView : public QObject {
  Q_OBJECT

  static void open(rd::frmMultiView& view, Opener& opener, int row) {
    view.SetForm(&opener);
    view.SetEditMode(1);
    view.SetModuleName(opener.ModuleName());
    view.SetRsName(opener.RsName());
    view.SetRsName2(opener.RsName2());
    view.SetRelation(opener.Relation());
    view.SetID(row);
    QVERIFY(view.Load());
  }
  static QString value(rd::frmMultiView& view, const QString& field) {
    const rd::FieldDef* def = view.Fields().FindField(field);
    return def ? view.Fields().Value(*def) : "?";
  }
  static QStringList items(rd::frmMultiView& view) {
    QStringList out;
    for (int r = 1; r < view.vsData()->Rows(); ++r) out << view.vsData()->TextMatrix(r, 3);
    return out;
  }

 private slots:
  void showsTheChosenRecordEachTime() {
    Database db;
    Opener opener;
    rd::frmMultiView view;
    open(view, opener, 1);
    const int labels = view.Fields().Label1.Count();
    QCOMPARE(value(view, "BillNo"), QString("SB202401150001"));
    QCOMPARE(items(view), QStringList({"I001", "I002", "I005"}));

    open(view, opener, 3);
    QCOMPARE(value(view, "BillNo"), QString("SB202403110003"));
    QCOMPARE(value(view, "CustCode"), QString("C006"));
    QCOMPARE(view.Fields().Label1.Count(), labels);
    QVERIFY(view.WhereArea().contains("SB202403110003"));
    QVERIFY(!view.WhereArea().contains("SB202401150001"));
    QCOMPARE(db.Ui().boxes.size(), 0);
  }

  void takesNoCopiedBill() {
    Database db;
    Opener opener;
    rd::frmMultiView view;
    open(view, opener, 1);
    auto* button = new rd::ToolbarButton("Copy", rd::ToolbarButton::Default, view.tbrMain());
    button->SetTag("f|p|CustCode=CustCode;Remark=Remark|ItemCode=ItemCode");
    const QString queries = "select BillNo from SalesBill;"
                            "select * from SalesBill where BillNo='@BillNo';"
                            "select * from SalesBillLine where BillNo='@BillNo'";
    QVERIFY(!rd::FillBillForm(&view, opener.ModuleName(), button, queries, "BillNo",
                              "SB202403110003"));
    QCOMPARE(db.Ui().texts(), QStringList{rd::GetLangString(1224)});
    QCOMPARE(value(view, "BillNo"), QString("SB202401150001"));
    QCOMPARE(value(view, "CustCode"), QString("C001"));
    QCOMPARE(items(view), QStringList({"I001", "I002", "I005"}));
  }

  void readOnly() {
    Database db;
    Opener opener;
    rd::frmMultiView view;
    open(view, opener, 2);
    const rd::FieldDef* def = view.Fields().FindField("CustCode");
    QVERIFY(qobject_cast<QLineEdit*>(view.Fields().InputControl(def->label))->isReadOnly());
    QVERIFY(!view.Fields().cmdSelect[1]->isEnabled());
    QCOMPARE(items(view), QStringList({"I009", "I008"}));
  }

  void closes_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("toolbar Close") << "toolbar";
    QTest::newRow("Close button") << "button";
    QTest::newRow("Esc in the grid") << "Esc";
  }
  void closes() {
    QFETCH(QString, how);
    Database db;
    Opener opener;
    rd::frmMultiView view;
    open(view, opener, 1);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    if (how == "toolbar") {
      rd::ToolbarButton* close = view.tbrMain()->Button("Close");
      QVERIFY(close);
      close->trigger();
    } else if (how == "button") {
      view.cmdCancel()->click();
    } else {
      view.vsData()->setFocus();
      QTest::keyClick(view.vsData(), Qt::Key_Escape);
    }
    QVERIFY(!view.isVisible());
    QCOMPARE(db.Ui().boxes.size(), 0);
  }

  // A custom button runs its function on the viewer; one the program does
  // not offer is refused with one message and the viewer stays.
  void customButtons_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<int>("refusal");  // language text of the refusal, naming param
    QTest::addColumn<QString>("param");
    QTest::addColumn<QStringList>("shown");  // when nothing is refused
    QTest::newRow("function offered") << "SystemFunction=<Test>" << 0 << "" << QStringList{"Function"};
    QTest::newRow("no such function") << "SystemFunction=<NoSuch:x>" << 1205 << "NoSuch"
                                      << QStringList();
    QTest::newRow("unclosed call") << "SystemFunction=<Test" << 1204 << "Custom1" << QStringList();
    QTest::newRow("no function") << "" << 0 << "" << QStringList();
  }
  void customButtons() {
    QFETCH(QString, tag);
    QFETCH(int, refusal);
    QFETCH(QString, param);
    QFETCH(QStringList, shown);
    Database db;
    Opener opener;
    rd::frmMultiView view;
    open(view, opener, 1);
    view.setWindowTitle("Sales Bills - View");
    view.show();
    rd::ToolbarButton* button = view.tbrMain()->AddButton("Custom1", "Custom");
    QVERIFY(button);
    button->SetTag(tag);
    button->trigger();
    if (refusal) {
      QCOMPARE(db.Ui().texts(), QStringList{rd::ReplaceParams(rd::GetLangString(refusal), {param})});
      QCOMPARE(db.Ui().boxes[0].icon, rd::MsgIcon::Exclamation);
      QCOMPARE(db.Ui().boxes[0].title, QString("Sales Bills - View"));
    } else {
      QCOMPARE(db.Ui().texts(), shown);
    }
    QVERIFY(view.isVisible());
  }

  // The user may size the viewer; it opens at its built size.
  void sizable() {
    Database db;
    Opener opener;
    rd::frmMultiView view;
    open(view, opener, 1);
    const QSize built = view.size();
    QVERIFY(view.minimumSize() != view.maximumSize());
    QVERIFY(view.windowFlags() & Qt::WindowMaximizeButtonHint);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.size(), built);
    view.resize(built + QSize(120, 80));
    QCOMPARE(view.size(), built + QSize(120, 80));
  }
};

QTEST_MAIN(TestMultiView)
#include "tst_multiview.moc"
