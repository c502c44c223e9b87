#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "browse/QueryCondition.h"
#include "browse/frmQuery.h"
#include "core/Globals.h"
#include "core/ModuleWindow.h"
#include "core/WindowRegistry.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/widgets/FlexGrid.h"
#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"

using rd::QueryCondition;
using Rows = std::vector<QueryCondition::Row>;
using Missing = QueryCondition::Missing;
Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Missing)

namespace {

const QStringList kKeys{"Code", "Name", "CreditLimit", "BillDate", "Customer Name"};

// A module window over a hand-made grid or over a record source of the
// sample database; it records every filter it is given.
class FakeWindow : public QWidget, public rd::ModuleWindow {
 public:
  struct Column {
    QString key, caption;
    bool hidden = false;
  };

  FakeWindow() : grid_(new rd::FlexGrid(this)) {}

  void SetColumns(const QList<Column>& columns) {
    grid_->SetCols(columns.size() + 1);
    for (int i = 0; i < columns.size(); ++i) {
      grid_->SetColKey(i + 1, columns[i].key);
      grid_->SetTextMatrix(0, i + 1, columns[i].caption);
      grid_->SetColHidden(i + 1, columns[i].hidden);
    }
  }

  // Reads the source's definition; captions and hidden columns as stored.
  bool Load(const QString& rsName) {
    rd::Recordset rs;
    if (!rd::OpenRecordset("select * from tblRecordset where RsName='" + rd::SqlStr(rsName) +
                               "' order by ID",
                           rs))
      return false;
    for (; !rs.Eof(); rs.MoveNext()) {
      selectSQL_ = rd::NullToStr(rs.Fields("SelectSQL").Value);
      fields_ << Column{rd::NullToStr(rs.Fields("Field").Value),
                        rd::NullToStr(rs.Fields("Language").Value),
                        !rd::VariantToBoolean(rs.Fields("IsShow").Value)};
    }
    return RefreshData(QString());
  }

  bool InitControl() override { return true; }
  bool RefreshData(const QString& filter) override {
    filters << filter;
    if (!answer) return false;
    if (selectSQL_.isEmpty()) return true;
    rd::Recordset rs;
    if (!rd::OpenRecordset(selectSQL_ + (filter.isEmpty() ? QString() : " where " + filter), rs))
      return false;
    grid_->SetDataSource(rs);
    for (int i = 0; i < fields_.size() && i + 1 < grid_->Cols(); ++i) {
      grid_->SetTextMatrix(0, i + 1, fields_[i].caption);
      grid_->SetColHidden(i + 1, fields_[i].hidden);
    }
    return true;
  }
  QString SelectSQL() const override { return selectSQL_; }
  QString WhereArea() const override { return QString(); }
  QString OrderArea() const override { return QString(); }
  rd::FlexGrid* vsData() override { return grid_; }

  // The texts of one column, top to bottom.
  QStringList ColumnTexts(const QString& key) const {
    QStringList texts;
    for (int c = 1; c < grid_->Cols(); ++c)
      if (grid_->ColKey(c) == key)
        for (int r = 1; r < grid_->Rows(); ++r) texts << grid_->TextMatrix(r, c);
    return texts;
  }

  QStringList filters;
  bool answer = true;

 private:
  rd::FlexGrid* grid_;
  QString selectSQL_;
  QList<Column> fields_;
};

// A dialog set up by its opener as the browse window does it.
QPointer<rd::frmQuery> OpenQuery(FakeWindow& window) {
  QPointer<rd::frmQuery> dialog = new rd::frmQuery(&window);
  dialog->setProperty("Form", QVariant::fromValue<QObject*>(&window));
  dialog->setWindowTitle("Customers - Query");
  QMetaObject::invokeMethod(dialog, "InitControl");
  return dialog;
}

void Fill(rd::frmQuery& dialog, const Rows& rows) {
  for (int r = 0; r < int(rows.size()); ++r) {
    const QueryCondition::Row& row = rows[size_t(r)];
    dialog.cboField[r]->setCurrentIndex(row.field);
    dialog.cboSymbol[r]->setCurrentIndex(dialog.cboSymbol[r]->findText(row.symbol));
    if (r > 0) dialog.cboJoin[r - 1]->setCurrentIndex(dialog.cboJoin[r - 1]->findText(row.join));
    dialog.txtValue[r]->setText(row.value);
  }
}

QStringList Items(const QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

}  // namespace

class TestQuery : public QObject {
  Q_OBJECT
  std::unique_ptr<TestProgramFolder> folder_;
  ScriptedUi* ui_ = nullptr;

 private slots:
  void initTestCase() {
    folder_ = std::make_unique<TestProgramFolder>();
    QVERIFY2(folder_->Ok(), qPrintable(folder_->Error()));
    rd::LanguageFile = folder_->File("Language/1033.ini");
    rd::DbConnection = rd::Connection::OpenSqlite(folder_->DatabasePath());
    QVERIFY(rd::DbConnection);
  }
  void cleanupTestCase() {
    rd::DbConnection.reset();
    folder_.reset();
  }
  void init() { ui_ = ScriptedUi::Install(); }
  void cleanup() { ScriptedUi::Uninstall(); }

  void conditionFromRows_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("condition");
    QTest::newRow("nothing filled") << Rows(5) << "";
    QTest::newRow("blanks count as empty") << Rows{{0, "=", "", "  \t"}} << "";
    QTest::newRow("like and or")
        << Rows{{0, "Like", "", "A"}, {1, ">=", "Or", "B"}} << "Code Like 'A' Or Name >= 'B'";
    QTest::newRow("and, value trimmed, pattern as typed")
        << Rows{{0, "<>", "", " C001 "}, {1, "Like", "And", "%a_c%"}}
        << "Code <> 'C001' And Name Like '%a_c%'";
    QTest::newRow("number and date quoted as text")
        << Rows{{2, ">", "", "1000"}, {3, "<=", "And", "2024-02-01"}}
        << "CreditLimit > '1000' And BillDate <= '2024-02-01'";
    QTest::newRow("quotes doubled")
        << Rows{{1, "=", "", "O'Brien"}, {0, "=", "Or", "x' or '1'='1"}}
        << "Name = 'O''Brien' Or Code = 'x'' or ''1''=''1'";
    QTest::newRow("empty middle row ends the rows")
        << Rows{{0, "=", "", "a"}, {1, "=", "Or", ""}, {2, "<", "And", "9"}}
        << "Code = 'a'";
    QTest::newRow("first row empty ignores the rest")
        << Rows{{-1, "", "", ""}, {1, "=", "And", "b"}} << "";
    QTest::newRow("key that is not a plain name")
        << Rows{{4, "=", "", "x"}} << "[Customer Name] = 'x'";
    QTest::newRow("incomplete rows build nothing") << Rows{{0, "", "", "x"}} << "";
  }
  void conditionFromRows() {
    QFETCH(Rows, rows);
    QFETCH(QString, condition);
    QCOMPARE(QueryCondition(kKeys).Build(rows), condition);
  }

  void firstIncompleteRow_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<int>("row");
    QTest::addColumn<Missing>("what");
    QTest::newRow("all empty") << Rows(5) << -1 << Missing::Nothing;
    QTest::newRow("no field, others empty") << Rows{{-1, "", "", "x"}, {}, {}} << 0 << Missing::Field;
    QTest::newRow("field before operator") << Rows{{-1, "", "", "x"}} << 0 << Missing::Field;
    QTest::newRow("field beyond the keys") << Rows{{5, "=", "", "x"}} << 0 << Missing::Field;
    QTest::newRow("no operator") << Rows{{0, "", "", "x"}} << 0 << Missing::Symbol;
    QTest::newRow("operator not offered") << Rows{{0, "; drop", "", "x"}} << 0 << Missing::Symbol;
    QTest::newRow("no join to the row above")
        << Rows{{0, "=", "", "a"}, {1, "=", "", "b"}} << 1 << Missing::Join;
    QTest::newRow("join not offered")
        << Rows{{0, "=", "", "a"}, {1, "=", "Xor", "b"}} << 1 << Missing::Join;
    QTest::newRow("incomplete row after an empty row ignored")
        << Rows{{0, "=", "", "a"}, {1, "=", "Or", " "}, {2, "", "", "c"}} << -1 << Missing::Nothing;
    QTest::newRow("incomplete row without value ignored")
        << Rows{{-1, "=", "", ""}, {0, "=", "", "a"}} << -1 << Missing::Nothing;
  }
  void firstIncompleteRow() {
    QFETCH(Rows, rows);
    QFETCH(int, row);
    QFETCH(Missing, what);
    const QueryCondition::Problem problem = QueryCondition(kKeys).Check(rows);
    QCOMPARE(problem.what, what);
    if (what != Missing::Nothing) QCOMPARE(problem.row, row);
  }

  void offersTheVisibleColumnsByCaption() {
    FakeWindow window;
    window.SetColumns({{"ID", "ID", true},
                       {"Code", "Code"},
                       {"Name", "Customer name"},
                       {"Remark", "Remark", true},
                       {"", "No key"},
                       {"City", ""}});
    QPointer<rd::frmQuery> dialog = OpenQuery(window);
    for (int r = 0; r < rd::frmQuery::kRows; ++r) {
      QCOMPARE(dialog->Label1[r]->text(), QString("Condition %1").arg(r + 1));
      QCOMPARE(Items(dialog->cboField[r]), QStringList({"Code", "Customer name", "City"}));
      QCOMPARE(Items(dialog->cboSymbol[r]), QueryCondition::Symbols());
      QCOMPARE(dialog->cboField[r]->currentIndex(), -1);
      QCOMPARE(dialog->cboSymbol[r]->currentIndex(), -1);
      QVERIFY(dialog->txtValue[r]->text().isEmpty());
    }
    for (QComboBox* join : dialog->cboJoin) {
      QCOMPARE(Items(join), QStringList({"And", "Or"}));
      QCOMPARE(join->currentIndex(), -1);
    }
    QCOMPARE(dialog->cmdOK->text(), QString("OK"));
    QVERIFY(dialog->cmdOK->isDefault());
    delete dialog;
  }

  void okHandsTheConditionToTheWindow_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QString>("filter");
    QTest::newRow("nothing filled drops the filter") << Rows{} << "";
    QTest::newRow("keys, not captions")
        << Rows{{1, "Like", "", "A"}, {0, ">=", "Or", "B"}} << "Name Like 'A' Or Code >= 'B'";
    QTest::newRow("quote") << Rows{{1, "=", "", "O'Brien"}} << "Name = 'O''Brien'";
  }
  void okHandsTheConditionToTheWindow() {
    QFETCH(Rows, rows);
    QFETCH(QString, filter);
    FakeWindow window;
    window.SetColumns({{"ID", "ID", true}, {"Code", "Code"}, {"Name", "Customer name"}});
    QPointer<rd::frmQuery> dialog = OpenQuery(window);
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    Fill(*dialog, rows);
    dialog->cmdOK->click();
    QCOMPARE(window.filters, QStringList{filter});
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    QVERIFY(ui_->boxes.isEmpty());
    delete dialog;
  }

  void incompleteRowIsRefused_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<bool>("allHidden");
    QTest::addColumn<QString>("focus");
    QTest::newRow("no field") << Rows{{-1, "=", "", "x"}} << false << "cboField0";
    QTest::newRow("no operator") << Rows{{0, "", "", "x"}} << false << "cboSymbol0";
    QTest::newRow("no join below row 0")
        << Rows{{0, "=", "", "a"}, {1, "=", "", "b"}} << false << "cboJoin0";
    QTest::newRow("all columns hidden") << Rows{{-1, "=", "", "x"}} << true << "cboField0";
  }
  void incompleteRowIsRefused() {
    QFETCH(Rows, rows);
    QFETCH(bool, allHidden);
    QFETCH(QString, focus);
    FakeWindow window;
    window.SetColumns({{"Code", "Code", allHidden}, {"Name", "Name", allHidden}});
    QPointer<rd::frmQuery> dialog = OpenQuery(window);
    for (int r = 0; r < rd::frmQuery::kRows; ++r) {
      dialog->cboField[r]->setObjectName(QString("cboField%1").arg(r));
      dialog->cboSymbol[r]->setObjectName(QString("cboSymbol%1").arg(r));
      if (r < rd::frmQuery::kRows - 1) dialog->cboJoin[r]->setObjectName(QString("cboJoin%1").arg(r));
    }
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    Fill(*dialog, rows);
    dialog->cmdOK->click();
    QVERIFY(window.filters.isEmpty());
    QCOMPARE(finished.size(), 0);
    QCOMPARE(ui_->texts(), QStringList{rd::GetLangString(1013)});
    QCOMPARE(ui_->boxes.at(0).icon, rd::MsgIcon::Exclamation);
    QCOMPARE(ui_->boxes.at(0).title, QString("Customers - Query"));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    delete dialog;
  }

  void cancelKeepsTheWindowsFilter() {
    FakeWindow window;
    window.SetColumns({{"Code", "Code"}});
    QPointer<rd::frmQuery> dialog = OpenQuery(window);
    Fill(*dialog, {{0, "=", "", "x"}});
    dialog->cmdCancel->click();
    QVERIFY(window.filters.isEmpty());
    delete dialog;
  }

  void failedRefreshKeepsTheRows() {
    FakeWindow window;
    window.SetColumns({{"Code", "Code"}});
    window.answer = false;
    QPointer<rd::frmQuery> dialog = OpenQuery(window);
    QSignalSpy finished(dialog.data(), &QDialog::finished);
    Fill(*dialog, {{0, "=", "", "x"}});
    dialog->cmdOK->click();
    QCOMPARE(window.filters, QStringList{"Code = 'x'"});
    QCOMPARE(finished.size(), 0);
    QCOMPARE(dialog->txtValue[0]->text(), QString("x"));
    delete dialog;
  }

  void openerShowsItModallyAndItUnloads() {
    rd::RegisterQueryWindow();
    FakeWindow window;
    window.SetColumns({{"Code", "Code"}});
    QPointer<QWidget> created = rd::WindowRegistry::Create("frmQuery", &window);
    auto* dialog = qobject_cast<rd::frmQuery*>(created.data());
    QVERIFY(dialog);
    dialog->setProperty("Form", QVariant::fromValue<QObject*>(&window));
    QMetaObject::invokeMethod(dialog, "InitControl");
    Fill(*dialog, {{0, "Like", "", "C00%"}});
    QTimer::singleShot(0, dialog->cmdOK, &QPushButton::click);
    dialog->exec();
    QVERIFY(created.isNull());
    QCOMPARE(window.filters, QStringList{"Code Like 'C00%'"});
  }

  // Quoted values against the sample database: numbers compare as numbers
  // on numeric columns, dates as stored text, quotes stay inside the value.
  void filtersTheSampleRecords_data() {
    QTest::addColumn<QString>("rsName");
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<QStringList>("codes");
    // Visible Customer fields: Code, Name, City, Phone, E-mail, Credit Limit, Active, Remark.
    QTest::newRow("credit limit as a number")
        << "Customer" << Rows{{5, ">=", "", "3000"}} << QStringList{"C001", "C004", "C006", "C009"};
    QTest::newRow("like, case ignored")
        << "Customer" << Rows{{1, "Like", "", "%BAKERY%"}, {2, "=", "Or", "York"}}
        << QStringList{"C003", "C005"};
    QTest::newRow("and binds the rows")
        << "Customer" << Rows{{5, "<", "", "2500"}, {6, "=", "And", "1"}}
        << QStringList{"C003", "C005", "C007", "C008", "C011"};
    QTest::newRow("quote in a value")
        << "Customer" << Rows{{1, "=", "", "O'Brien & Sons"}} << QStringList{"C011"};
    QTest::newRow("quote cannot end the value")
        << "Customer" << Rows{{1, "=", "", "x' or '1'='1"}} << QStringList{};
    // Visible SalesBill fields start with Bill No., Date.
    QTest::newRow("dates as stored text")
        << "SalesBill" << Rows{{1, ">=", "", "2024-02-01"}}
        << QStringList{"SB202402030002", "SB202403110003"};
  }
  void filtersTheSampleRecords() {
    QFETCH(QString, rsName);
    QFETCH(Rows, rows);
    QFETCH(QStringList, codes);
    QVERIFY(rd::ExecuteSQL("delete from Customer where Code='C011'"));
    QVERIFY(rd::ExecuteSQL("insert into Customer (Code, Name) values ('C011', 'O''Brien & Sons')"));
    FakeWindow window;
    QVERIFY(window.Load(rsName));
    QPointer<rd::frmQuery> dialog = OpenQuery(window);
    Fill(*dialog, rows);
    dialog->cmdOK->click();
    QCOMPARE(ui_->texts(), QStringList{});
    QStringList shown = window.ColumnTexts(rsName == "Customer" ? "Code" : "BillNo");
    shown.sort();
    QCOMPARE(shown, codes);
    delete dialog;
  }
};

QTEST_MAIN(TestQuery)
#include "tst_query.moc"
