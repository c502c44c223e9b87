// Saving one master record with 1,000 and 10,000 detail rows: the editor's
// whole save, and the writer with its commit beside the same rows inserted
// through SQLite's C API (one statement prepared once, one transaction) on
// the same file with the same settings. Then, as before, 10,000 rows
// through a plain prepared QSqlQuery. Figures are medians of 5 runs after
// one warm-up.
#include <sqlite3.h>

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

#include "BenchProbes.h"
#include "BenchSample.h"
#include "core/ModuleWindow.h"
#include "core/modDatabase.h"
#include "edit/RecordForm.h"
#include "masterdetail/MasterDetailSave.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/db/Connection.h"
#include "platform/widgets/FlexGrid.h"

using benchprobes::Median;
using benchprobes::TimeUs;

namespace {
constexpr int kRuns = 5;
// The grid columns the detail insert takes after BillNo.
constexpr int kFirstColumn = 3;
constexpr int kLastColumn = 7;

class Opener : public QWidget, public rd::ModuleWindow {
 public:
  Opener() : grid_(new rd::FlexGrid(this)) {}
  void InitControl() override {}
  bool RefreshData(const QString&) override { return true; }
  QString SelectSQL() const override { return {}; }
  QString WhereArea() const override { return {}; }
  QString OrderArea() const override { return {}; }
  rd::FlexGrid* vsData() override { return grid_; }

 private:
  rd::FlexGrid* grid_;
};

void fill(rd::FlexGrid& grid, int rows) {
  for (int i = 0; i < rows; ++i) {
    grid.AddItem(QString());
    const int row = grid.Rows() - 1;
    grid.SetTextMatrix(row, 3, QStringLiteral("I%1").arg(i % 10, 3, 10, QLatin1Char('0')));
    grid.SetTextMatrix(row, 4, QStringLiteral("Item name %1").arg(i));
    grid.SetTextMatrix(row, 5, QString::number(i % 7 + 1));
    grid.SetTextMatrix(row, 6, QStringLiteral("2.50"));
    grid.SetTextMatrix(row, 7, QString::number((i % 7 + 1) * 2.5));
  }
}

// A new bill in the editor, its grid holding rows lines.
std::unique_ptr<rd::frmMultiEdit> openEditor(Opener& opener, int rows) {
  auto editor = std::make_unique<rd::frmMultiEdit>();
  editor->SetForm(&opener);
  editor->SetEditMode(0);
  editor->SetModuleName("SalesBills");
  editor->SetRsName("SalesBill");
  editor->SetRsName2("SalesBillLine");
  editor->SetRelation("BillNo=BillNo");
  const rd::FieldDef* customer = editor->Load() ? editor->Fields().FindField("CustCode") : nullptr;
  if (!customer) return nullptr;
  editor->Fields().SetValue(*customer, "C001");
  fill(*editor->vsData(), rows);
  return editor;
}

void removeBenchRows() {
  rd::DbConnection->Execute("delete from SalesBillLine");
  rd::DbConnection->Execute("delete from SalesBill");
}

rd::SqlTemplate::Values masterValues(const QString& billNo) {
  return {{"BillNo", billNo},       {"BillDate", "2026-01-05"}, {"CustCode", "C001"},
          {"CustName", "Customer"}, {"Total", "0"},             {"Remark", ""},
          {"CreatedBy", "admin"},   {"CreationDate", "2026-01-05 10:00:00"},
          {"ModifiedBy", ""},       {"ModifiedDate", ""}};
}

// A pragma's value on the program's connection (the only one open).
QString pragma(const char* name) {
  const QStringList open = QSqlDatabase::connectionNames();
  if (open.size() != 1) return {};
  QSqlQuery q(QSqlDatabase::database(open.first(), false));
  if (!q.exec(QStringLiteral("pragma %1").arg(QLatin1String(name))) || !q.next()) return {};
  return q.value(0).toString();
}

// The floor: the same lines through one statement prepared with the C API.
class CApiInsert {
 public:
  explicit CApiInsert(const QString& path) {
    sqlite3_open_v2(path.toUtf8().constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
    for (const char* name : {"journal_mode", "synchronous"}) {
      const QString value = pragma(name);
      const QByteArray set = QStringLiteral("pragma %1=%2").arg(name, value).toUtf8();
      if (!value.isEmpty()) sqlite3_exec(db_, set.constData(), nullptr, nullptr, nullptr);
      std::printf("%s: %s\n", name, qPrintable(value));
    }
  }
  ~CApiInsert() { sqlite3_close(db_); }

  bool Run(const QByteArray& billNo, const rd::FlexGrid& grid) {
    sqlite3_exec(db_, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db_,
                       "insert into SalesBillLine(BillNo,ItemCode,ItemName,Qty,Price,Amount) "
                       "values(?,?,?,?,?,?)",
                       -1, &stmt, nullptr);
    bool ok = stmt != nullptr;
    for (int r = 1; ok && r < grid.Rows(); ++r) {
      sqlite3_bind_text(stmt, 1, billNo.constData(), int(billNo.size()), SQLITE_STATIC);
      for (int c = kFirstColumn; c <= kLastColumn; ++c) {
        const QByteArray text = grid.TextMatrix(r, c).toUtf8();
        sqlite3_bind_text(stmt, c - kFirstColumn + 2, text.constData(), int(text.size()),
                          SQLITE_TRANSIENT);
      }
      ok = sqlite3_step(stmt) == SQLITE_DONE;
      sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    return sqlite3_exec(db_, ok ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK &&
           ok;
  }

 private:
  sqlite3* db_ = nullptr;
};

bool benchSave(Opener& opener, const QString& path, int rows, const char* size) {
  auto editor = openEditor(opener, rows);
  if (!editor) return false;
  rd::MasterDetailSave writer;
  QString error;
  if (!writer.LoadTemplates("SalesBill", "SalesBillLine", 0, &error)) return false;
  CApiInsert floor(path);
  std::vector<double> save, capi;
  bool ok = true;
  // Run 0 warms up and is not counted.
  for (int run = 0; run <= kRuns && ok; ++run) {
    const QString billNo = QStringLiteral("B%1-%2").arg(rows).arg(run);
    removeBenchRows();
    const double saveUs = TimeUs([&] {
      rd::Transaction t(*rd::DbConnection);
      ok = writer.Write(masterValues(billNo), 0, {"BillNo", "BillNo", billNo, {}},
                        editor->Fields(), &error) &&
           t.Commit();
    });
    removeBenchRows();
    const double capiUs =
        TimeUs([&] { ok = floor.Run(billNo.toUtf8(), *editor->vsData()) && ok; });
    if (run == 0) continue;
    save.push_back(saveUs);
    capi.push_back(capiUs);
  }
  removeBenchRows();
  if (!ok) {
    std::fprintf(stderr, "save failed: %s\n", qPrintable(error));
    return false;
  }
  const double s = Median(save), c = Median(capi);
  std::printf("save_%s: %.0f us\n", size, s);
  std::printf("capi_insert_%s: %.0f us\n", size, c);
  std::printf("save_%s_vs_capi: %.2fx (goal: at most 1.5x)\n", size, s / c);
  return true;
}

bool benchSaveData(Opener& opener, int rows, const char* size) {
  std::vector<double> us;
  for (int run = 0; run <= kRuns; ++run) {  // run 0 warms up
    auto editor = openEditor(opener, rows);
    if (!editor) return false;
    bool saved = false;
    const double t = TimeUs([&] { saved = editor->SaveData(); });
    removeBenchRows();
    if (!saved) return false;
    if (run > 0) us.push_back(t);
  }
  std::printf("savedata_%s: %.0f us\n", size, Median(us));
  return true;
}

// As before: 10,000 rows through a plain prepared QSqlQuery.
bool benchPlainQuery(Opener& opener, const QString& path) {
  auto editor = openEditor(opener, 10000);
  if (!editor) return false;
  const rd::FlexGrid& grid = *editor->vsData();
  rd::DbConnection.reset();
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "plain");
  db.setDatabaseName(path);
  if (!db.open()) return false;
  double beforeCommitUs = 0;
  const double plainUs = TimeUs([&] {
    beforeCommitUs = TimeUs([&] {
      db.transaction();
      QSqlQuery q(db);
      q.prepare(
          "insert into SalesBillLine(BillNo,ItemCode,ItemName,Qty,Price,Amount) "
          "values(?,?,?,?,?,?)");
      for (int r = 1; r < grid.Rows(); ++r) {
        q.addBindValue(QStringLiteral("PLAIN"));
        for (int c = kFirstColumn; c <= kLastColumn; ++c) q.addBindValue(grid.TextMatrix(r, c));
        q.exec();
      }
    });
    db.commit();
  });
  std::printf("plain_before_commit_10k: %.0f us\n", beforeCommitUs);
  std::printf("plain_insert_10k: %.0f us\n", plainUs);
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchsample::Database database;
  if (!database.Open()) return 1;
  std::printf("database: %s\n", qPrintable(database.Path()));

  Opener opener;
  const bool ok = benchSave(opener, database.Path(), 1000, "1k") &&
                  benchSave(opener, database.Path(), 10000, "10k") &&
                  benchSaveData(opener, 1000, "1k") && benchSaveData(opener, 10000, "10k") &&
                  benchPlainQuery(opener, database.Path());
  return ok ? 0 : 1;
}
