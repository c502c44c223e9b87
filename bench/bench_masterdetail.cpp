// Saving one master record with 10,000 detail rows through the editor's
// save, beside a plain prepared insert of the same rows.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <cstdio>

#include "core/Globals.h"
#include "core/ModuleWindow.h"
#include "core/modDatabase.h"
#include "edit/RecordForm.h"
#include "platform/widgets/FlexGrid.h"
#include "masterdetail/frmMultiEdit.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlScript.h"
#include "platform/ui/Ui.h"

namespace {
constexpr int kRows = 10000;

// Reports a message on the console instead of waiting for a click.
class ConsoleUi : public rd::Ui {
 public:
  rd::MsgResult MsgBox(const QString& text, rd::MsgIcon, rd::MsgButtons, const QString&,
                       QWidget*) override {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return rd::MsgResult::Ok;
  }
};

QStringList sampleScripts() {
  QDir dir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../resources/Database");
  QStringList scripts;
  for (const QString& name : dir.entryList({"*.sql"}, QDir::Files, QDir::Name)) {
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::ReadOnly)) scripts << QString::fromUtf8(file.readAll());
  }
  return scripts;
}

class Opener : public QWidget, public rd::ModuleWindow {
 public:
  Opener() : grid_(new rd::FlexGrid(this)) {}
  bool InitControl() override { return true; }
  bool RefreshData(const QString&) override { return true; }
  QString SelectSQL() const override { return {}; }
  QString WhereArea() const override { return {}; }
  QString OrderArea() const override { return {}; }
  rd::FlexGrid* vsData() override { return grid_; }

 private:
  rd::FlexGrid* grid_;
};

void fill(rd::FlexGrid& grid) {
  for (int i = 0; i < kRows; ++i) {
    grid.AddItem(QString());
    const int row = grid.Rows() - 1;
    grid.SetTextMatrix(row, 3, QStringLiteral("I%1").arg(i % 10, 3, 10, QLatin1Char('0')));
    grid.SetTextMatrix(row, 4, QStringLiteral("Item name %1").arg(i));
    grid.SetTextMatrix(row, 5, QString::number(i % 7 + 1));
    grid.SetTextMatrix(row, 6, QStringLiteral("2.50"));
    grid.SetTextMatrix(row, 7, QString::number((i % 7 + 1) * 2.5));
  }
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir dir;
  const QString path = dir.filePath("bench.db");
  QString error;
  if (!rd::CreateSqliteDatabase(path, sampleScripts(), &error)) {
    std::fprintf(stderr, "%s\n", qPrintable(error));
    return 1;
  }
  rd::ServerType = "ACCESS";
  rd::ConfigFile = dir.filePath("Config.ini");
  rd::LanguageFile =
      QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../resources/Language/1033.ini";
  rd::DbConnection = rd::Connection::OpenSqlite(path);
  rd::UserInfo = std::make_unique<rd::clsUserInfo>();
  rd::UserInfo->LoginUser = "admin";
  rd::Ui::Install(std::make_unique<ConsoleUi>());

  Opener opener;
  rd::frmMultiEdit editor;
  editor.SetForm(&opener);
  editor.SetEditMode(0);
  editor.SetModuleName("SalesBills");
  editor.SetRsName("SalesBill");
  editor.SetRsName2("SalesBillLine");
  editor.SetRelation("BillNo=BillNo");
  if (!editor.Load()) return 1;
  const rd::FieldDef* cust = editor.Fields().FindField("CustCode");
  editor.Fields().SetValue(*cust, "C001");
  fill(*editor.vsData());

  QElapsedTimer timer;
  timer.start();
  const bool saved = editor.SaveData();
  const qint64 saveMs = timer.elapsed();
  if (!saved) return 1;

  // The same rows through one prepared statement in one transaction.
  rd::FlexGrid& grid = *editor.vsData();
  QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "plain");
  db.setDatabaseName(path);
  rd::DbConnection.reset();
  if (!db.open()) return 1;
  timer.restart();
  db.transaction();
  QSqlQuery q(db);
  q.prepare(
      "insert into SalesBillLine(BillNo,ItemCode,ItemName,Qty,Price,Amount) values(?,?,?,?,?,?)");
  for (int r = 1; r < grid.Rows(); ++r) {
    q.addBindValue(QStringLiteral("PLAIN"));
    for (int c = 3; c <= 7; ++c) q.addBindValue(grid.TextMatrix(r, c));
    q.exec();
  }
  const qint64 beforeCommit = timer.elapsed();
  db.commit();
  const qint64 plainMs = timer.elapsed();
  std::printf("plain_before_commit_10k: %lld ms\n", static_cast<long long>(beforeCommit));
  std::printf("save_10k: %lld ms\n", static_cast<long long>(saveMs));
  std::printf("plain_insert_10k: %lld ms\n", static_cast<long long>(plainMs));
  return 0;
}
