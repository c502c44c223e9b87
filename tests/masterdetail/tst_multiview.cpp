#include <QLineEdit>
#include <QtTest>

#include "edit/RecordForm.h"
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
};

QTEST_MAIN(TestMultiView)
#include "tst_multiview.moc"
