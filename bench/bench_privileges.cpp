// The privilege window over 300 and 1,200 top-level modules of 20 toolbar
// buttons each, shown with its root nodes expanded: Select All, and
// selecting a user who holds every module and half of the buttons, each
// timed until the window has painted.
#include <QApplication>
#include <cstdio>

#include "BenchProbes.h"
#include "BenchSample.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"
#include "platform/widgets/TreeView.h"
#include "users/frmPrivilege.h"

using benchprobes::Median;
using benchprobes::TimeUs;

namespace {
constexpr int kRuns = 7;
constexpr int kButtons = 20;

QString numbers(int count) {
  return QStringLiteral("(with recursive c(x) as (select 1 union all select x + 1 from c "
                        "where x < %1) select x from c)")
      .arg(count);
}

bool addModules(int modules) {
  const QString sql[] = {
      "insert into tblMenu (ID, MenuIndex, [Language], Parent, FormTemplateName,"
      " BrowseToolbar) select 'Mod' || x, 100 + x, 'Module ' || x, '0', 'SingleRs', 'Custom'"
      " from " + numbers(modules),
      "insert into tblToolbar (MenuID, ButtonType, Text, ToolTipText, Image, ButtonIndex, Mode)"
      " select 'Mod' || m.x, 'Custom', 'B' || b.x, '', '', b.x, 'Browse' from " +
          numbers(modules) + " m, " + numbers(kButtons) + " b",
      "insert into tblUser (UserName, IsEnable, IsAdmin) values ('clerk', 1, 0), ('viewer', 1, 0)",
      "insert into tblPrivilege select 'clerk', ID from tblMenu where ID like 'Mod%'",
      "insert into tblPrivilege select 'clerk', MenuID || '-' || Text || '-Browse'"
      " from tblToolbar where MenuID like 'Mod%' and ButtonIndex % 2 = 1",
  };
  for (const QString& statement : sql)
    if (!rd::DbConnection->Execute(statement)) {
      std::fprintf(stderr, "%s\n", qPrintable(rd::DbConnection->LastError()));
      return false;
    }
  return true;
}

int rowOf(rd::frmPrivilege& w, const QString& user) {
  for (int r = 1; r < w.trvModule()->Rows(); ++r)
    if (w.trvModule()->TextMatrix(r, 2) == user) return r;
  return -1;
}

// One warm-up, then the median of kRuns; prepare runs untimed before each.
template <class Prepare, class Run>
double medianUs(Prepare prepare, Run run) {
  std::vector<double> us;
  for (int i = 0; i <= kRuns; ++i) {
    prepare();
    const double t = TimeUs([&] {
      run();
      QApplication::processEvents();
    });
    if (i > 0) us.push_back(t);
  }
  return Median(us);
}

struct Figures {
  double selectAll = 0, selectUser = 0;
};

bool bench(int modules, Figures* figures) {
  benchsample::Database database;
  if (!database.Open() || !addModules(modules)) return false;
  rd::frmPrivilege w;
  w.setAttribute(Qt::WA_DeleteOnClose, false);
  w.show();
  QApplication::processEvents();
  const int clerk = rowOf(w, "clerk"), viewer = rowOf(w, "viewer");
  if (clerk < 0 || viewer < 0) return false;
  auto show = [&](int row) {
    w.trvModule()->SetRow(row);
    QApplication::processEvents();
  };
  auto click = [&](const char* key) { w.tbrMain()->Button(QLatin1String(key))->trigger(); };
  figures->selectAll = medianUs(
      [&] {
        show(viewer);
        click("Deselect");
        QApplication::processEvents();
      },
      [&] { click("SelectAll"); });
  figures->selectUser = medianUs([&] { show(viewer); }, [&] { w.trvModule()->SetRow(clerk); });
  std::printf("nodes_%d: %d\n", modules, w.lvDetail()->NodeCount());
  std::printf("select_all_%d: %.0f us\n", modules, figures->selectAll);
  std::printf("select_user_%d: %.0f us\n", modules, figures->selectUser);
  return true;
}
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  Figures small, large;
  if (!bench(300, &small) || !bench(1200, &large)) return 1;
  std::printf("select_all_1200_vs_300: %.2fx (goal: at most 4.8x)\n",
              large.selectAll / small.selectAll);
  std::printf("select_user_1200_vs_300: %.2fx (goal: at most 4.8x)\n",
              large.selectUser / small.selectUser);
  return 0;
}
