// Open module windows and viewers after the development window closed on
// a changed record source or module.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "DesignerFixture.h"
#include "browse/frmSingleTable.h"
#include "core/MasterDetailEditor.h"
#include "designer/RecordsetColumns.h"
#include "designer/frmDevelope.h"
#include "designer/frmRecordset.h"
#include "edit/frmEdit.h"
#include "platform/widgets/FlexGrid.h"

using C = rd::RecordsetColumns;

namespace {

class Viewer : public QWidget, public rd::MasterDetailEditor {
 public:
  void SetForm(rd::ModuleWindow*) override {}
  void SetEditMode(int) override {}
  void SetModuleName(const QString&) override {}
  void SetRsName(const QString&) override {}
  void SetRsName2(const QString&) override {}
  void SetRelation(const QString&) override {}
  void SetID(int) override {}
  bool Load() override { return true; }
};

std::unique_ptr<rd::frmSingleTable> Browse(const QString& module, const QString& rsName) {
  auto w = std::make_unique<rd::frmSingleTable>();
  w->SetModuleName(module);
  w->SetRsName(rsName);
  w->setWindowTitle(module);
  w->InitControl();
  w->RefreshData();
  w->show();
  return w;
}

int GridRow(rd::FlexGrid& grid, int column, const QString& text) {
  for (int r = 1; r < grid.Rows(); ++r)
    if (grid.TextMatrix(r, column) == text) return r;
  return -1;
}

QString Customer(const QString& code) {
  return DesignerDatabase::Column(
             "select coalesce(City,'')||'|'||coalesce(Phone,'')||'|'||coalesce(Email,'')||'|'||"
             "CreditLimit||'|'||Active||'|'||coalesce(Remark,'')||'|'||coalesce(Fax,'') from "
             "Customer where Code=" + rd::SqlLiteral(code))
      .value(0);
}

// The record source editor adds the table's new column Fax after Name,
// hidden, and saves.
void AddHiddenFax() {
  DesignerDatabase::Exec("alter table Customer add column Fax varchar(30)");
  rd::frmRecordset editor;
  editor.SetEditMode(1);
  editor.SetRsName("Customer");
  QVERIFY(editor.RefreshData("RsName='Customer'"));
  editor.txtSelect()->setPlainText(
      "select ID,Code,Name,Fax,City,Phone,Email,CreditLimit,Active,Remark from Customer");
  rd::FlexGrid& grid = *editor.vsData();
  const int city = GridRow(grid, C::kField, "City");
  QVERIFY(grid.AddItem(QString(), city));
  for (int c = 1; c < grid.Cols(); ++c) grid.SetTextMatrix(city, c, grid.TextMatrix(city + 1, c));
  grid.SetTextMatrix(city, C::kField, "Fax");
  grid.SetTextMatrix(city, C::kLanguage, "Fax");
  grid.SetTextMatrix(city, C::kIsShow, "0");
  editor.cmdSave()->click();
  QCOMPARE(editor.result(), int(QDialog::Accepted));
}

}  // namespace

class DesignFollowTest : public QObject {
  Q_OBJECT
 private slots:
  void editorSavesIntoTheColumnsOfTheNewSource();
  void moduleWindowsFollowTheirRow_data();
  void moduleWindowsFollowTheirRow();
};

void DesignFollowTest::editorSavesIntoTheColumnsOfTheNewSource() {
  DesignerDatabase db;
  auto browse = Browse("Customers", "Customer");
  rd::frmDevelope develope;
  AddHiddenFax();
  QCOMPARE(db.Ui().texts(), QStringList());
  develope.reject();
  const QString before = Customer("C002");

  // The editor, opened on the browse window, saves the record unchanged.
  const int row = GridRow(*browse->vsData(), 2, "C002");
  QVERIFY(row > 0);
  rd::frmEdit editor;
  editor.SetForm(browse.get());
  editor.SetEditMode(1);
  editor.SetModuleName(browse->ModuleName());
  editor.SetRsName(browse->RsName());
  editor.SetID(row);
  QVERIFY(editor.Load());
  QVERIFY(editor.SaveData());
  QCOMPARE(db.Ui().texts(), QStringList());
  QCOMPARE(Customer("C002"), before);
}

void DesignFollowTest::moduleWindowsFollowTheirRow_data() {
  QTest::addColumn<QString>("change");
  QTest::addColumn<QString>("title");  // of the Customers window; empty once it is closed
  QTest::addColumn<QString>("firstColumn");  // its grid's first column after ID
  QTest::addColumn<bool>("refreshed");
  QTest::addColumn<bool>("viewerOpen");

  QTest::newRow("nothing changed") << "" << "Customers" << "Code" << false << true;
  QTest::newRow("another module's source")
      << "update tblRecordset set [Language]='Title' where RsName='Item' and Field='Name'"
      << "Customers" << "Code" << false << false;
  QTest::newRow("its own source")
      << "update tblRecordset set [Language]='Town' where RsName='customer' and Field='City'"
      << "Customers" << "Code" << true << false;
  QTest::newRow("its module row")
      << "update tblMenu set [Language]='Units Too', RsName='Unit' where ID='Customers'"
      << "Units Too" << "Name" << true << false;
  QTest::newRow("its module deleted") << "delete from tblMenu where ID='Customers'" << ""
                                      << "Code" << false << false;
}

void DesignFollowTest::moduleWindowsFollowTheirRow() {
  QFETCH(QString, change);
  QFETCH(QString, title);
  QFETCH(QString, firstColumn);
  QFETCH(bool, refreshed);
  QFETCH(bool, viewerOpen);
  DesignerDatabase db;
  auto customers = Browse("Customers", "Customer");
  Viewer viewer;
  viewer.show();
  rd::frmDevelope develope;
  if (!change.isEmpty()) db.Exec(change);
  db.Exec("insert into Customer(Code, Name) values('C999', 'Added')");
  db.Exec("insert into Unit(Name) values('Added')");
  develope.reject();

  QCOMPARE(customers->isVisible(), !title.isEmpty());
  QCOMPARE(viewer.isVisible(), viewerOpen);
  if (title.isEmpty()) return;
  rd::FlexGrid& grid = *customers->vsData();
  QCOMPARE(customers->windowTitle(), title);
  QCOMPARE(grid.ColKey(2), firstColumn);
  QCOMPARE(GridRow(grid, 2, firstColumn == "Code" ? "C999" : "Added") > 0, refreshed);
}

QTEST_MAIN(DesignFollowTest)
#include "tst_designfollow.moc"
