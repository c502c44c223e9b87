#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "DesignerFixture.h"
#include "designer/frmField.h"
#include "designer/frmFieldEdit.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/StatusBarPanel.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"

namespace {

// The table structure window with its column editor run by the test.
class FieldList : public rd::frmField {
 public:
  std::function<void(rd::frmFieldEdit&)> onEditor;

 protected:
  void RunEditor(rd::frmFieldEdit& editor) override {
    if (onEditor) onEditor(editor);
  }
};

std::unique_ptr<FieldList> Open(const QString& table) {
  auto w = std::make_unique<FieldList>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->setWindowTitle("Develope Tool - Modify Table Structure");
  w->SetTableName(table);
  w->RefreshData(table.isEmpty() ? QString("1=0") : w->TableFilter());
  return w;
}

void Click(rd::frmField& w, const QString& key) { w.tbrMain()->Button(key)->trigger(); }

QStringList Rows(const QString& table) {
  return DesignerDatabase::Column(
      "select FieldIndex||'|'||FieldName||'|'||FieldType||'|'||ifnull(FieldLength,'<null>')||'|'||"
      "IsKey||IsAuto||AllowEmpty||'|'||ifnull(DefaultValue,'<null>') from tblTable where "
      "TableName=" + rd::SqlLiteral(table) + " order by FieldIndex");
}

void SelectRow(rd::FlexGrid& grid, int row) {
  grid.selectionModel()->clear();
  grid.selectionModel()->select(grid.model()->index(row - 1, 0),
                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

}  // namespace

class FieldTest : public QObject {
  Q_OBJECT
 private slots:
  void newTableNamedAtFirstSave();
  void modifyLoadsAndTrims();
  void keyRuleAndAuditNames();
  void quotedTableName();
  void queryStaysWithinTheTable();
};

void FieldTest::newTableNamedAtFirstSave() {
  DesignerDatabase db;
  auto w = Open(QString());
  QCOMPARE(w->vsData()->Rows(), 1);
  QCOMPARE(w->stbTemplate()->Panel(1)->Text(), QString("Records: 0"));
  bool firstShown = false;
  const QStringList rowsBefore = db.Column("select count(*) from tblTable");
  w->onEditor = [&](rd::frmFieldEdit& e) {
    firstShown = true;
    QCOMPARE(e.MaxID(), QString("0"));
    QCOMPARE(e.txtIndex()->text(), QString("0"));
    QCOMPARE(e.cboType()->currentText(), QString("varchar"));
    e.txtFieldName()->setEditText("ID");
    e.cboType()->setEditText("int");
    e.chkKey()->setChecked(true);
    e.chkAuto()->setChecked(true);

    // No name given: nothing is written and the editor stays.
    db.Ui().inputs = {"  "};
    e.cmdSave()->click();
    QCOMPARE(db.Ui().texts(), QStringList{"Please enter a table name."});
    QCOMPARE(e.result(), int(QDialog::Rejected));
    QCOMPARE(db.Column("select count(*) from tblTable"), rowsBefore);

    // Nor for one of the program's tables.
    db.Ui().boxes.clear();
    db.Ui().inputs = {"TblMenu"};
    e.cmdSave()->click();
    QCOMPARE(db.Ui().texts(), QStringList{"The name TblMenu belongs to the program's own tables "
                                          "or to the database itself. Choose another name for "
                                          "the table."});
    QCOMPARE(db.Column("select count(*) from tblTable"), rowsBefore);

    db.Ui().inputs = {"  Supplier "};
    e.cmdAdd()->click();
    QCOMPARE(w->TableName(), QString("Supplier"));
    QCOMPARE(e.txtIndex()->text(), QString("1"));
    QCOMPARE(e.txtFieldName()->currentText(), QString());
    QCOMPARE(e.cboType()->currentText(), QString("varchar"));
    QCOMPARE(e.txtLength()->text(), QString("50"));
    QVERIFY(e.chkAllowEmpty()->isChecked() && !e.chkKey()->isChecked());

    // Typed as it stands; the name is not asked again.
    e.txtFieldName()->setEditText(" Code ");
    e.txtLength()->clear();
    e.cmdSave()->click();
    QCOMPARE(db.Ui().prompts.size(), 3);
    QCOMPARE(e.result(), int(QDialog::Accepted));
  };
  Click(*w, "Add");
  QVERIFY(firstShown);
  QCOMPARE(Rows("Supplier"), (QStringList{"0|ID|int|50|110|<null>", "1| Code |varchar|<null>|001|<null>"}));
  QCOMPARE(w->vsData()->Rows(), 3);
  QVERIFY(w->vsData()->ColHidden(1));
  QCOMPARE(w->GetNextFieldIndex(), 2);
}

void FieldTest::modifyLoadsAndTrims() {
  DesignerDatabase db;
  db.Design("Part", {"ID:int::KA:", "Code:varchar:20:KE:'x'"});
  auto w = Open("Part");
  SelectRow(*w->vsData(), 2);
  w->onEditor = [&](rd::frmFieldEdit& e) {
    QCOMPARE(e.txtFieldName()->currentText(), QString("Code"));
    QCOMPARE(e.txtDefault()->text(), QString("'x'"));
    // The stored flags win over the key rule.
    QVERIFY(e.chkKey()->isChecked() && e.chkAllowEmpty()->isChecked());
    e.txtFieldName()->setEditText("  Code2 ");
    e.txtIndex()->setText(" 5 ");
    e.cmdAdd()->click();
    // The next save adds a row after the one just modified.
    QCOMPARE(e.txtIndex()->text(), QString("6"));
    e.txtFieldName()->setEditText("Name");
    e.cmdSave()->click();
  };
  w->vsData_DblClick();
  QCOMPARE(Rows("Part"), (QStringList{"1|ID|int|<null>|110|<null>", "5|Code2|varchar|20|101|'x'",
                                      "6|Name|varchar|50|001|<null>"}));
  QVERIFY(db.Ui().prompts.isEmpty());
}

void FieldTest::keyRuleAndAuditNames() {
  DesignerDatabase db;
  rd::frmFieldEdit e;
  e.InitControl();
  QCOMPARE(e.txtFieldName()->count(), 4);
  e.chkKey()->setChecked(true);
  QVERIFY(!e.chkAllowEmpty()->isChecked());

  // Picked from the list: the type follows.
  e.txtFieldName()->setCurrentIndex(1);
  emit e.txtFieldName()->activated(1);
  QCOMPARE(e.cboType()->currentText(), QString("datetime"));
  // Typed: it does not.
  e.cboType()->setEditText("varchar");
  e.txtFieldName()->lineEdit()->clear();
  QTest::keyClicks(e.txtFieldName()->lineEdit(), "ModifiedDate");
  emit e.txtFieldName()->activated(3);
  QCOMPARE(e.cboType()->currentText(), QString("varchar"));
}

void FieldTest::quotedTableName() {
  DesignerDatabase db;
  auto w = Open(QString());
  w->onEditor = [&](rd::frmFieldEdit& e) {
    e.txtFieldName()->setEditText("Name");
    db.Ui().inputs = {"O'Neil"};
    e.cmdSave()->click();
  };
  Click(*w, "Add");
  QCOMPARE(w->TableName(), QString("O'Neil"));
  QCOMPARE(Rows("O'Neil"), QStringList{"0|Name|varchar|50|001|<null>"});
  QCOMPARE(w->vsData()->Rows(), 2);
  QCOMPARE(w->GetNextFieldIndex(), 1);

  // Delete asks even with nothing selected, then deletes only what is.
  w->vsData()->selectionModel()->clear();
  Click(*w, "Delete");
  QCOMPARE(db.Ui().boxes.size(), 1);
  QCOMPARE(Rows("O'Neil").size(), 1);
  SelectRow(*w->vsData(), 1);
  Click(*w, "Delete");
  QVERIFY(Rows("O'Neil").isEmpty());
  QCOMPARE(w->vsData()->Rows(), 1);
}

void FieldTest::queryStaysWithinTheTable() {
  DesignerDatabase db;
  auto w = Open("Customer");
  QVERIFY(w->RefreshData("FieldName='Code' Or FieldName='Name'"));
  QCOMPARE(w->vsData()->Rows(), 3);
  QCOMPARE(w->vsData()->TextMatrix(1, 2), QString("Customer"));
  QCOMPARE(w->vsData()->TextMatrix(2, 2), QString("Customer"));
  Click(*w, "Refresh");
  QCOMPARE(w->vsData()->Rows(), 10);
  // Opened as a tool, it closes with Esc.
  w->show();
  QVERIFY(QTest::qWaitForWindowActive(w.get()));
  QTest::keyClick(w.get(), Qt::Key_Escape);
  QVERIFY(!w->isVisible());
}

QTEST_MAIN(FieldTest)
#include "tst_field.moc"
