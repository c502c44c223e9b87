#include <QScrollBar>
#include <QtTest>

#include "core/Globals.h"
#include "core/modCommon.h"
#include "core/modDatabase.h"
#include "platform/widgets/FlexGrid.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/ToolbarButton.h"
#include "platform/widgets/TreeView.h"
#include "support/SampleDatabase.h"
#include "users/frmPrivilege.h"

// The privilege tree of a few thousand nodes, checked and unchecked as a
// whole: what the view shows, and what it keeps of its own state.
class TestPrivilegeTree : public QObject {
  Q_OBJECT

  static constexpr int kModules = 150;

  // The sample database with kModules top-level modules of 20 custom
  // buttons, a clerk who holds every module and the odd buttons (every
  // third module stored in lower case), and a viewer who holds nothing.
  class Modules : public SampleDatabase {
   public:
    Modules() {
      const QString numbers =
          "(with recursive c(x) as (select 1 union all select x + 1 from c where x < %1)"
          " select x from c)";
      for (const QString& sql : {
               "insert into tblMenu (ID, MenuIndex, [Language], Parent, FormTemplateName,"
               " BrowseToolbar) select 'Mod' || x, 100 + x, 'Module ' || x, '0', 'SingleRs',"
               " 'Custom' from " + numbers.arg(kModules),
               "insert into tblToolbar (MenuID, ButtonType, Text, ButtonIndex, Mode)"
               " select 'Mod' || m.x, 'Custom', 'B' || b.x, b.x, 'Browse' from " +
                   numbers.arg(kModules) + " m, " + numbers.arg(20) + " b",
               QString("insert into tblUser (UserName, IsEnable, IsAdmin) values"
                       " ('clerk', 1, 0), ('viewer', 1, 0)"),
               QString("insert into tblPrivilege select 'clerk', case when MenuIndex % 3 = 0"
                       " then lower(ID) else ID end from tblMenu where ID like 'Mod%'"),
               QString("insert into tblPrivilege select 'clerk', MenuID || '-' || Text ||"
                       " '-Browse' from tblToolbar where MenuID like 'Mod%' and"
                       " ButtonIndex % 2 = 1"),
           })
        Exec(sql);
    }
  };

  // Counts the paints of a widget.
  class Paints : public QObject {
   public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) ++count;
      return false;
    }
  };

  // What the view keeps of its own: expanded nodes, current node, scroll.
  struct ViewState {
    QStringList expanded;
    QString current;
    int scroll;
    bool operator==(const ViewState&) const = default;
  };
  static ViewState viewState(rd::TreeView& tree) {
    ViewState state{{}, {}, tree.verticalScrollBar()->value()};
    for (int i = 1; i <= tree.NodeCount(); ++i)
      if (tree.NodeAt(i)->Expanded()) state.expanded << tree.NodeAt(i)->Key();
    if (tree.SelectedItem()) state.current = tree.SelectedItem()->Key();
    return state;
  }

  // Every node's check state as the model gives it to the view, by key.
  static void modelStates(const QAbstractItemModel& model, const QModelIndex& parent,
                          const std::function<rd::TreeNode*(int)>& nodeAt,
                          QHash<QString, bool>& out) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
      const QModelIndex index = model.index(row, 0, parent);
      rd::TreeNode* node = nodeAt(row);
      out[node->Key()] = model.data(index, Qt::CheckStateRole).toInt() == Qt::Checked;
      modelStates(model, index, [node](int i) { return node->ChildAt(i); }, out);
    }
  }
  static QHash<QString, bool> shownStates(rd::TreeView& tree) {
    QHash<QString, bool> states;
    modelStates(*tree.model(), {},
                [&tree](int i) { return static_cast<rd::TreeNode*>(tree.topLevelItem(i)); },
                states);
    return states;
  }

  static QSet<QString> grantsOf(const QString& user) {
    QSet<QString> keys;
    rd::QueryResult r;
    if (!rd::DbConnection->Query(
            "select ModuleID from tblPrivilege where UserName=" + rd::SqlLiteral(user), &r))
      return {"?" + rd::DbConnection->LastError()};
    for (int i = 0; i < r.rowCount(); ++i) keys << r.Text(i, 0).toLower();
    return keys;
  }

  static void selectUser(rd::frmPrivilege& w, const QString& name) {
    for (int r = 1; r < w.trvModule()->Rows(); ++r)
      if (w.trvModule()->TextMatrix(r, 2) == name) return w.trvModule()->SetRow(r);
    QFAIL(qPrintable("no user " + name));
  }

 private slots:
  void checksShowAsStored_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("button");  // clicked, or else
    QTest::addColumn<QString>("user");    // selected
    QTest::addColumn<QString>("shows");
    QTest::newRow("loading a user with grants") << "admin" << "" << "clerk" << "grants";
    QTest::newRow("Select All") << "clerk" << "SelectAll" << "" << "all";
    QTest::newRow("Invert") << "clerk" << "InverseSel" << "" << "inverted grants";
    QTest::newRow("Deselect") << "clerk" << "Deselect" << "" << "none";
    QTest::newRow("loading an administrator") << "clerk" << "" << "admin" << "all";
  }
  // Every node shows its state afterwards; the view repaints and keeps
  // its expanded nodes, current node and scroll position.
  void checksShowAsStored() {
    QFETCH(QString, from);
    QFETCH(QString, button);
    QFETCH(QString, user);
    QFETCH(QString, shows);
    Modules db;
    rd::frmPrivilege w;
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    rd::TreeView& tree = *w.lvDetail();
    QVERIFY(tree.NodeCount() > kModules * 21);
    selectUser(w, from);
    tree.Node("Mod3")->SetExpanded(false);
    tree.Node("Mod140")->SetExpanded(false);
    tree.SetSelectedItem(tree.Node("Mod77-B4-Browse"));
    tree.verticalScrollBar()->setValue(tree.verticalScrollBar()->maximum() / 2);
    QVERIFY(tree.verticalScrollBar()->value() > 0);
    const ViewState before = viewState(tree);
    Paints paints;
    tree.viewport()->installEventFilter(&paints);
    QCoreApplication::processEvents();
    paints.count = 0;

    if (!button.isEmpty())
      w.tbrMain()->Button(button)->trigger();
    else
      selectUser(w, user);
    QCoreApplication::processEvents();

    const QSet<QString> granted = grantsOf("clerk");
    QCOMPARE(granted.size(), kModules * 11);
    const QHash<QString, bool> states = shownStates(tree);
    QCOMPARE(states.size(), tree.NodeCount());
    for (auto it = states.cbegin(); it != states.cend(); ++it) {
      const bool holds = granted.contains(it.key().toLower());
      const bool expected = shows == "all"    ? true
                            : shows == "none" ? false
                            : shows == "grants" ? holds
                                                : !holds;
      QVERIFY2(it.value() == expected, qPrintable(it.key()));
      QVERIFY2(tree.Node(it.key())->Checked() == expected, qPrintable(it.key()));
    }
    QCOMPARE(viewState(tree), before);
    QVERIFY(paints.count > 0);
  }

  void selectAllSavesAFullGrant() {
    Modules db;
    rd::frmPrivilege w;
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    selectUser(w, "viewer");
    w.tbrMain()->Button("SelectAll")->trigger();
    w.tbrMain()->Button("Save")->trigger();
    QCOMPARE(db.Ui().texts(), QStringList{rd::GetLangString(1050)});
    QSet<QString> all;
    for (int i = 1; i <= w.lvDetail()->NodeCount(); ++i)
      all << w.lvDetail()->NodeAt(i)->Key().toLower();
    QCOMPARE(grantsOf("viewer"), all);
  }
};

QTEST_MAIN(TestPrivilegeTree)
#include "tst_privilegetree.moc"
