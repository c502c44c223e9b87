#include <QMainWindow>
#include <QMenuBar>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "toolkit/cMenus.h"
#include "toolkit/modSubClass.h"

using namespace rd;

namespace {

// Top level A, B, C; B holds B1 and B2; B1 holds B1a.
void addTree(cMenus& m) {
  m.AddItem({.Caption = "&Alpha", .Key = "A"});
  const int b = m.AddItem({.Caption = "&Beta", .Key = "B"});
  m.AddItem({.Caption = "&Gamma", .Key = "C"});
  const int b1 = m.AddItem({.Parent = b, .Caption = "B&1", .Key = "B1"});
  m.AddItem({.Parent = b, .Caption = "B&2", .Key = "B2"});
  m.AddItem({.Parent = b1, .Caption = "B1&a", .Key = "B1a"});
}

QStringList keys(const cMenus& m) {
  QStringList out;
  for (int i = 1; i <= m.ItemCount(); ++i) out << m.ItemKey(i);
  return out;
}

// Every record's position equals its place in the menu that holds it.
bool positionsMatchMenus(const cMenus& m) {
  for (int i = 1; i <= m.ItemCount(); ++i) {
    const clsStoreMenu* r = m.Record(i);
    if (!r->hMenu || r->hMenu->actions().indexOf(r->Action) != r->Index) return false;
  }
  return true;
}

// The events of a manager, in order, as text.
struct Recorder {
  QStringList events;
  explicit Recorder(cMenus& m) {
    QObject::connect(&m, &cMenus::MenuHighlight, [this](int i) { events << QString("highlight %1").arg(i); });
    QObject::connect(&m, &cMenus::MenuExit, [this] { events << "exit"; });
    QObject::connect(&m, &cMenus::Click, [this](int i) { events << QString("click %1").arg(i); });
    QObject::connect(&m, &cMenus::MeasureItem, [this](bool&, int i, int&, int&) {
      events << QString("measure %1").arg(i);
    });
    QObject::connect(&m, &cMenus::DrawItem, [this](bool&, int i, QPainter*, bool, int, int, int, int) {
      events << QString("draw %1").arg(i);
    });
  }
};

// The region of a widget painted since the spy was made.
struct PaintedRegion : QObject {
  QRegion region;
  explicit PaintedRegion(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(e)->region();
    return false;
  }
};

QColor system(int index) { return Ole::ToQColor(Ole::System(index)); }

// One item painted in a target of its own, at rect.
QImage paintItem(cMenus& m, int index, const QRect& rect, bool selected = false,
                 bool disabled = false, bool hot = false) {
  QImage target(rect.right() + 1, rect.bottom() + 1, QImage::Format_RGB32);
  target.fill(Qt::black);
  QPainter p(&target);
  m.OnDrawItem(index, &p, rect, selected, disabled, hot);
  return target;
}

QByteArray joined(const QList<QByteArray>& parts) {
  QByteArray out;
  for (const QByteArray& p : parts) out += p + '\0';
  return out;
}

}  // namespace

class TestMenus : public QObject {
  Q_OBJECT
  QWidget owner_;

 private slots:
  void ids() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "one"});
    m.AddItem({.Caption = "-"});
    QCOMPARE(m.ItemID(1), 100);
    QCOMPARE(m.ItemID(2), 101);
    m.RemoveItem(2);
    m.AddItem({.Caption = "three"});
    QCOMPARE(m.ItemID(2), 102);
  }

  void operations_data() {
    QTest::addColumn<QString>("op");
    QTest::addColumn<QStringList>("expectedKeys");
    QTest::addColumn<QStringList>("positions");  // key=Index for chosen items
    QTest::newRow("insert before a top item") << "before B"
        << QStringList{"A", "B", "C", "B1", "B2", "B1a", "X"} << QStringList{"A=0", "X=1", "B=2", "C=3"};
    QTest::newRow("insert before a first child") << "before B1"
        << QStringList{"A", "B", "C", "B1", "B2", "B1a", "X"} << QStringList{"X=0", "B1=1", "B2=2"};
    QTest::newRow("before an item of another menu appends") << "top before B1"
        << QStringList{"A", "B", "C", "B1", "B2", "B1a", "X"} << QStringList{"X=3", "B1=0"};
    QTest::newRow("remove a branch") << "remove B"
        << QStringList{"A", "C"} << QStringList{"A=0", "C=1"};
    QTest::newRow("remove a middle child") << "remove B1"
        << QStringList{"A", "B", "C", "B2"} << QStringList{"B2=0"};
    QTest::newRow("remove a leaf keeps its parent") << "remove B1a"
        << QStringList{"A", "B", "C", "B1", "B2"} << QStringList{"B1=0", "B2=1"};
    QTest::newRow("replace keeps the position") << "replace B"
        << QStringList{"A", "B", "C", "B1", "B2", "B1a"} << QStringList{"B=1", "C=2"};
    QTest::newRow("unknown parent adds nothing") << "parent 99"
        << QStringList{"A", "B", "C", "B1", "B2", "B1a"} << QStringList{"C=2"};
  }
  void operations() {
    QFETCH(QString, op);
    QFETCH(QStringList, expectedKeys);
    QFETCH(QStringList, positions);
    cMenus m;
    m.CreateFromNothing(&owner_);
    addTree(m);
    if (op == "before B") QCOMPARE(m.AddItem({.Caption = "X", .Before = "B", .Key = "X"}), 7);
    if (op == "before B1")
      m.AddItem({.Parent = m.IndexForKey("B"), .Caption = "X", .Before = "b1", .Key = "X"});
    if (op == "top before B1") m.AddItem({.Caption = "X", .Before = "B1", .Key = "X"});
    if (op.startsWith("remove ")) QVERIFY(m.RemoveItem(op.mid(7)));
    if (op == "replace B") QVERIFY(m.ReplaceItem("B"));
    if (op == "parent 99") QCOMPARE(m.AddItem({.Parent = 99, .Caption = "X"}), 0);
    QCOMPARE(keys(m), expectedKeys);
    for (const QString& p : positions) {
      const QStringList kv = p.split('=');
      QCOMPARE(m.ItemMenuPosition(kv[0]), kv[1].toInt());
    }
    QVERIFY(positionsMatchMenus(m));
  }

  void lookup_data() {
    QTest::addColumn<QVariant>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("index") << QVariant(2) << 2;
    QTest::newRow("digits are an index") << QVariant("3") << 3;
    QTest::newRow("digits win over a key") << QVariant("12") << 12;
    QTest::newRow("padded digits") << QVariant(" 4 ") << 4;
    QTest::newRow("half to even") << QVariant(2.5) << 2;
    QTest::newRow("index out of range") << QVariant(21) << 0;
    QTest::newRow("digits out of range, key ignored") << QVariant("21") << 0;
    QTest::newRow("key ignores case") << QVariant("b1A") << 6;
    QTest::newRow("last match wins") << QVariant("dup") << 8;
    QTest::newRow("unknown key") << QVariant("zz") << 0;
  }
  void lookup() {
    QFETCH(QVariant, key);
    QFETCH(int, expected);
    cMenus m;
    m.CreateFromNothing(&owner_);
    addTree(m);
    m.AddItem({.Caption = "d1", .Key = "DUP"});
    m.AddItem({.Caption = "d2", .Key = "Dup"});
    // Twenty items; items 9 and 10 are keyed "12" and "21".
    m.AddItem({.Caption = "twelve", .Key = "12"});
    m.AddItem({.Caption = "twenty-one", .Key = "21"});
    while (m.ItemCount() < 20) m.AddItem({.Caption = "filler"});
    QCOMPARE(m.IndexForKey(key), expected);
  }

  void leftOutIndexAndBadIndexes() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    addTree(m);
    m.CurrentMenuIndex = 99;
    QCOMPARE(m.IndexForKey(), 99);
    QCOMPARE(m.ItemCaption("nothing"), QString());
    m.SetItemCaption("nothing", "x");  // writes to no item do nothing
    QCOMPARE(m.ItemEnabled(0), false);
    QCOMPARE(m.ItemKey(7), QString());
    QCOMPARE(m.ItemKey(0), QString());
    QVERIFY(!m.RemoveItem("nothing"));
    QCOMPARE(m.ItemCount(), 6);
  }

  void states() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "  -  "});
    m.AddItem({.Caption = "x", .Enabled = false, .HelpText = "help"});
    QVERIFY(m.ItemSeparator(1));
    QVERIFY(!m.ItemEnabled(2));
    QCOMPARE(m.ItemDescription(2), QString("help"));
    QCOMPARE(m.HelpText(QString("#%1").arg(m.ItemID(2))), QString("help"));
    m.SetItemChecked(2, true);
    QVERIFY(m.ItemChecked(2));
    QVERIFY(!m.ItemSeparator(2));
    QVERIFY(!m.Record(2)->Action->isCheckable());
  }

  void mnemonics_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("position");
    QTest::newRow("first letter") << "&File" << "f" << 1;
    QTest::newRow("inner letter") << "a&bc" << "B" << 1;
    QTest::newRow("doubled ampersand") << "&&File" << "f" << -1;
    QTest::newRow("only the first ampersand counts") << "A&&B &C" << "c" << -1;
    QTest::newRow("trailing ampersand") << "End&" << "d" << -1;
  }
  void mnemonics() {
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(int, position);
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "&Open"});
    m.AddItem({.Caption = caption});
    QCOMPARE(m.OnMenuChar(m.Handle(), typed.at(0)), position);
  }

  void mnemonicRules() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    const int top = m.AddItem({.Caption = "top"});
    m.AddItem({.Parent = top, .Caption = "&Save"});
    m.AddItem({.Parent = top, .Caption = "&Open"});
    m.AddItem({.Parent = top, .Caption = "&Options"});
    QWidget* sub = m.Record(top)->hSubMenu;
    QCOMPARE(m.OnMenuChar(sub, 'o'), 1);           // the first in list order
    QCOMPARE(m.OnMenuChar(m.Handle(), 'o'), -1);   // not in another menu
    m.SetItemCaption(2, "Save");                   // a caption without "&" clears it
    QCOMPARE(m.OnMenuChar(sub, 's'), -1);
  }

  void clickReportsTheIndex() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "one"});
    m.AddItem({.Caption = "two"});
    QSignalSpy clicks(&m, &cMenus::Click);
    m.Record(2)->Action->trigger();
    m.OnCommand(m.ItemID(1));
    m.OnCommand(5000);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks[0][0].toInt(), 2);
    QCOMPARE(clicks[1][0].toInt(), 1);
  }

  void removingInsideClick() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    const int top = m.AddItem({.Caption = "top"});
    m.AddItem({.Parent = top, .Caption = "gone"});
    connect(&m, &cMenus::Click, &m, [&](int i) { m.RemoveItem(i); });
    m.Record(2)->Action->trigger();
    QCOMPARE(m.ItemCount(), 1);
    QCoreApplication::processEvents();
  }

  void popUpWithoutChildren() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "leaf"});
    QSignalSpy clicks(&m, &cMenus::Click);
    QCOMPARE(m.PopUpMenu(1), 0);
    QCOMPARE(clicks.size(), 0);
  }

  void fontOfTheSameFaceIsIgnored() {
    cMenus m;
    const int height = m.ItemHeight();
    StdFont bigger = m.Font();
    bigger.Size *= 3;
    m.SetFont(bigger);
    QCOMPARE(m.ItemHeight(), height);
    m.SetDrawStyle(1);
    QCOMPARE(m.ItemHeight(), height + 3);
  }

  // ---- shortcuts ----

  void keyNames_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<QString>("name");
    QTest::newRow("ctrl shift F5") << int(Qt::Key_F5) << int(Qt::ControlModifier | Qt::ShiftModifier) << "Ctrl+Shift+F5";
    QTest::newRow("alt digit") << int(Qt::Key_1) << int(Qt::AltModifier) << "Alt+1";
    QTest::newRow("shifted digit") << int(Qt::Key_Exclam) << int(Qt::ShiftModifier) << "Shift+1";
    QTest::newRow("keypad") << int(Qt::Key_3) << int(Qt::KeypadModifier) << "Numpad3";
    QTest::newRow("back tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "Shift+Tab";
    QTest::newRow("all modifiers") << int(Qt::Key_A) << int(Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier) << "Alt+Ctrl+Shift+A";
    QTest::newRow("F16") << int(Qt::Key_F16) << 0 << "F16";
    QTest::newRow("F17 has no name") << int(Qt::Key_F17) << int(Qt::ControlModifier) << "";
    QTest::newRow("home has no name") << int(Qt::Key_Home) << int(Qt::ControlModifier) << "";
    QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "Delete";
  }
  void keyNames() {
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(QString, name);
    const auto m = Qt::KeyboardModifiers(mods);
    QCOMPARE(modSubClass::KeyName(modSubClass::VirtualKey(key, m), m & Qt::AltModifier,
                                  m & Qt::ControlModifier, m & Qt::ShiftModifier), name);
  }

  void shortcutLookup_data() {
    QTest::addColumn<QStringList>("accels");  // one text per item
    QTest::addColumn<int>("cleared");         // item whose text is then cleared, 0 none
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("expected");
    QTest::newRow("first of two wins") << QStringList{"F5", "F5"} << 0 << "F5" << 1;
    QTest::newRow("clearing the first") << QStringList{"F5", "F5"} << 1 << "F5" << 2;
    QTest::newRow("three equal, two cleared") << QStringList{"F5", "F5", "F5"} << 2 << "F5" << 1;
    QTest::newRow("second name") << QStringList{"Ctrl+A|Ctrl+B"} << 0 << "Ctrl+B" << 1;
    QTest::newRow("shared name survives") << QStringList{"Ctrl+A|Ctrl+B", "Ctrl+B"} << 2 << "Ctrl+B" << 1;
    QTest::newRow("empty names never match") << QStringList{"", "Ctrl+A|"} << 0 << "" << 0;
    QTest::newRow("case matters") << QStringList{"F5"} << 0 << "f5" << 0;
  }
  void shortcutLookup() {
    QFETCH(QStringList, accels);
    QFETCH(int, cleared);
    QFETCH(QString, name);
    QFETCH(int, expected);
    cMenus m;
    m.CreateFromNothing(&owner_);
    for (const QString& a : accels) m.AddItem({.Caption = "x", .KeyAccel = a});
    if (cleared) m.SetItemKeyAccel(cleared, "");
    if (accels.size() == 3) m.SetItemKeyAccel(3, "");
    QCOMPARE(m.IndexForKeyAccel(name), expected);
  }

  void topLevelShortcuts() {
    QMainWindow w;
    cMenus m;
    m.CreateFromForm(&w);
    m.AddItem({.Caption = "File", .KeyAccel = "F2"});
    m.AddItem({.Caption = "Edit"});
    m.SetItemKeyAccel(2, "F3");
    QCOMPARE(m.ItemKeyAccel(1), QString("F2"));
    QCOMPARE(m.ItemKeyAccel(2), QString());
  }

  void firingThroughTheKeyFilter() {
    QMainWindow w;
    auto* first = new cMenus(&w);
    auto* second = new cMenus(&w);
    first->CreateFromForm(&w);
    second->CreateFromNothing(&w);
    second->hWndKeyOwner = &w;
    const int file = first->AddItem({.Caption = "&File"});
    first->AddItem({.Parent = file, .Caption = "Save", .KeyAccel = "Ctrl+S"});
    first->AddItem({.Parent = file, .Caption = "Off", .KeyAccel = "F6", .Enabled = false});
    first->AddItem({.Parent = file, .Caption = "-", .KeyAccel = "F7"});
    second->AddItem({.Caption = "Save too", .KeyAccel = "Ctrl+S"});
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QSignalSpy firstClicks(first, &cMenus::Click), secondClicks(second, &cMenus::Click);

    QTest::keyClick(w.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(firstClicks.size(), 1);
    QCOMPARE(firstClicks[0][0].toInt(), 2);
    QCOMPARE(secondClicks.size(), 0);  // swallowed by the first

    first->ConsumeKeys = false;
    QTest::keyClick(w.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(firstClicks.size(), 2);
    QCOMPARE(secondClicks.size(), 1);

    QVERIFY(!modSubClass::Dispatch("F6"));  // disabled
    QVERIFY(!modSubClass::Dispatch("F7"));  // separator
    QTest::keyRelease(w.windowHandle(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(firstClicks.size(), 2);

    delete first;
    QVERIFY(modSubClass::Dispatch("Ctrl+S"));
    QCOMPARE(secondClicks.size(), 2);
    delete second;
    QVERIFY(!modSubClass::IsHookInstalled());
  }

  void onlyTheActiveOwnerFires() {
    QMainWindow w;
    cMenus m;
    m.CreateFromForm(&w);
    const int top = m.AddItem({.Caption = "top"});
    m.AddItem({.Parent = top, .Caption = "x", .KeyAccel = "F9"});
    QSignalSpy clicks(&m, &cMenus::Click);
    QVERIFY(!m.KeyAccelPressed("F9"));  // never shown, not active
    QCOMPARE(clicks.size(), 0);
  }

  void shortcutFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("menus.bin");
    cMenus m;
    m.CreateFromNothing(&owner_);
    const int file = m.AddItem({.Caption = "File", .Key = "mnuFile"});
    m.AddItem({.Parent = file, .Caption = "Save", .KeyAccel = "Ctrl+S"});
    QVERIFY(m.SaveShortcuts(path));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), joined({"", "[Taddo-Menus-Shortcuts]", "[V-1-0-0]", "K", "mnuFile", "",
                                  "I", "2", "Ctrl+S"}));
    f.close();

    cMenus other;
    other.CreateFromNothing(&owner_);
    const int top = other.AddItem({.Caption = "File", .Key = "mnuFile"});
    other.AddItem({.Parent = top, .Caption = "Save"});
    QVERIFY(other.LoadShortcuts(path));
    QCOMPARE(other.ItemKeyAccel(2), QString("Ctrl+S"));
  }

  void badShortcutFiles_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("result");
    QTest::newRow("header case") << joined({"", "[taddo-menus-shortcuts]", "[V-1-0-0]", "I", "1", "F1"}) << false;
    QTest::newRow("bad index stops everything") << joined({"", "[Taddo-Menus-Shortcuts]", "[V-1-0-0]", "I", "1", "F1", "I", "x", "F2"}) << false;
    QTest::newRow("cut triple") << joined({"", "[Taddo-Menus-Shortcuts]", "[V-1-0-0]", "I"}) << false;
    QTest::newRow("unknown item skipped") << joined({"", "[Taddo-Menus-Shortcuts]", "[V-1-0-0]", "K", "nope", "F1", "I", "1", "F4"}) << true;
  }
  void badShortcutFiles() {
    QFETCH(QByteArray, content);
    QFETCH(bool, result);
    QTemporaryDir dir;
    QFile f(dir.filePath("s.bin"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "x", .KeyAccel = "F9"});
    QCOMPARE(m.LoadShortcuts(f.fileName()), result);
    QCOMPARE(m.ItemKeyAccel(1), QString(result ? "F4" : "F9"));
  }

  void savingFailsSafely() {
    QTemporaryDir dir;
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "x", .Key = QString("a") + QChar(0) + "b"});
    const QString path = dir.filePath("keep.bin");
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
    f.close();
    QVERIFY(!m.SaveShortcuts(path));  // a NUL cannot be written
    QVERIFY(!m.SaveShortcuts(dir.filePath("missing/dir/file.bin")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("old"));
  }

  // ---- measuring and painting ----

  void measure_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accel");
    QTest::addColumn<int>("extra");  // width beyond the caption, -1 for a separator
    QTest::newRow("flat plain") << 1 << "&Open" << "" << 32;
    QTest::newRow("flat shortcut") << 1 << "&Open" << "Ctrl+S|F2" << 52;
    QTest::newRow("classic plain") << 0 << "&Open" << "" << 23;
    QTest::newRow("classic shortcut") << 0 << "&Open" << "Ctrl+S" << 32;
    QTest::newRow("separator") << 1 << "-" << "" << -1;
  }
  void measure() {
    QFETCH(int, style);
    QFETCH(QString, caption);
    QFETCH(QString, accel);
    QFETCH(int, extra);
    cMenus m;
    m.SetDrawStyle(style);
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = caption, .KeyAccel = accel});
    cMemDC dc;
    dc.Init(10, 10);
    dc.SetFont(m.Font());
    const QSize s = m.OnMeasureItem(1).value();
    if (extra < 0) {
      QCOMPARE(s, QSize(0, 9));
      return;
    }
    const int shortcut = accel.isEmpty() ? 0 : dc.TextWidth("Ctrl+S");
    QCOMPARE(s, QSize(dc.TextWidth(caption) + shortcut + extra, m.ItemHeight()));
  }

  void measureEvent() {
    cMenus m;
    m.SetDrawStyle(1);
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "plain"});
    m.AddItem({.Caption = "owner", .OwnerDraw = true});
    QList<int> seen;
    bool cancel = true;
    connect(&m, &cMenus::MeasureItem, &m, [&](bool& c, int index, int& w, int& h) {
      seen << index << w << h;
      c = cancel;
    });
    QCOMPARE(m.OnMeasureItem(2).value(), QSize(0, m.ItemHeight()));
    QCOMPARE(seen, (QList<int>{2, 0, m.ItemHeight()}));
    m.OnMeasureItem(1);
    QCOMPARE(seen.size(), 3);  // not raised for an ordinary item
    m.ItemOwnerDrawAll = true;
    cancel = false;
    QCOMPARE(m.OnMeasureItem(1).value().height(), m.ItemHeight());
    QCOMPARE(seen.size(), 6);
  }

  void drawEventCancel() {
    cMenus m;
    m.SetDrawStyle(1);
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "owner", .OwnerDraw = true});
    QImage target(120, 24, QImage::Format_RGB32);
    target.fill(Qt::black);
    QList<int> rect;
    connect(&m, &cMenus::DrawItem, &m,
            [&](bool& c, int, QPainter*, bool, int x1, int y1, int x2, int y2) {
              rect = {x1, y1, x2, y2};
              c = true;
            });
    QPainter p(&target);
    QVERIFY(!m.OnDrawItem(1, &p, QRect(0, 0, 120, 24), false, false, false));
    p.end();
    QCOMPARE(rect, (QList<int>{0, 0, 120, 24}));
    QCOMPARE(target.pixel(60, 12), QColor(Qt::black).rgb());
  }

  // Kinds: "x" a popup item, "-" a separator, "bar" a menu title, "checked",
  // "image" and "checked image" popup items. A point of (-1, -1) asks for the
  // colour anywhere in the item.
  void flatPixels_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("flags");  // any of "selected", "hot", "disabled", "rtl"
    QTest::addColumn<int>("checkedStyle");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const QColor column(222, 219, 214), back(255, 251, 247), outline(8, 36, 107),
        selectFill(181, 190, 214), boxIdle(214, 215, 222), green(Qt::green), black(Qt::black);
    const QColor shadow = system(16), face = system(15);
    const QPoint anywhere(-1, -1);
    QTest::newRow("image column") << "x" << "" << 0 << QPoint(10, 10) << column;
    QTest::newRow("background") << "x" << "" << 0 << QPoint(60, 2) << back;
    QTest::newRow("selection outline left") << "x" << "selected" << 0 << QPoint(1, 0) << outline;
    QTest::newRow("selection outline right-1") << "x" << "selected" << 0 << QPoint(118, 23) << outline;
    QTest::newRow("right edge left out") << "x" << "selected" << 0 << QPoint(119, 10) << back;
    QTest::newRow("separator starts at 29") << "-" << "" << 0 << QPoint(29, 4) << shadow;
    QTest::newRow("not before 29") << "-" << "" << 0 << QPoint(28, 4) << back;
    QTest::newRow("mirrored column") << "x" << "rtl" << 0 << QPoint(100, 10) << column;
    // A title looks the same whether the user may open it or not.
    for (const QString off : {"", "disabled"}) {
      const QByteArray tail = off.isEmpty() ? "" : ", disabled";
      QTest::newRow("title at rest" + tail) << "bar" << off << 0 << QPoint(1, 1) << face;
      QTest::newRow("title text" + tail) << "bar" << off << 0 << anywhere << black;
      QTest::newRow("hot title outline" + tail) << "bar" << off + " hot" << 0 << QPoint(0, 0) << outline;
      QTest::newRow("hot title fill" + tail) << "bar" << off + " hot" << 0 << QPoint(1, 1) << selectFill;
      QTest::newRow("pressed title edge" + tail) << "bar" << off + " selected" << 0 << QPoint(0, 0) << shadow;
      QTest::newRow("pressed title fill" + tail) << "bar" << off + " selected" << 0 << QPoint(1, 1) << column;
    }
    QTest::newRow("check box") << "checked" << "" << 0 << QPoint(4, 3) << boxIdle;
    QTest::newRow("check box outline, selected") << "checked" << "selected" << 0 << QPoint(2, 1) << outline;
    QTest::newRow("mirrored check box") << "checked" << "rtl" << 0 << QPoint(115, 3) << boxIdle;
    QTest::newRow("no check box when disabled") << "checked" << "disabled" << 0 << QPoint(4, 3) << column;
    QTest::newRow("tick") << "checked" << "" << 0 << QPoint(9, 14) << black;
    QTest::newRow("disabled tick") << "checked" << "disabled" << 0 << QPoint(9, 14) << shadow;
    QTest::newRow("bullet") << "checked" << "" << 1 << QPoint(11, 12) << black;
    QTest::newRow("style 2 draws no glyph") << "checked" << "" << 2 << QPoint(9, 14) << boxIdle;
    QTest::newRow("style 2 shows the image") << "checked image" << "" << 2 << QPoint(10, 10) << green;
    QTest::newRow("a glyph hides the image") << "checked image" << "" << 0 << QPoint(5, 5) << boxIdle;
    QTest::newRow("image at 4") << "image" << "" << 0 << QPoint(4, 4) << green;
    QTest::newRow("not before 4") << "image" << "" << 0 << QPoint(3, 4) << column;
    QTest::newRow("mirrored image") << "image" << "rtl" << 0 << QPoint(100, 4) << green;
    QTest::newRow("selected image raised to 2") << "image" << "selected" << 0 << QPoint(2, 4) << green;
    QTest::newRow("its shadow 2 lower and right") << "image" << "selected" << 0 << QPoint(19, 21) << shadow;
    QTest::newRow("mirrored selected image has no shadow")
        << "image" << "selected rtl" << 0 << QPoint(99, 21) << selectFill;
    QTest::newRow("disabled image") << "image" << "disabled" << 0 << QPoint(10, 10) << shadow;
  }
  void flatPixels() {
    QFETCH(QString, kind);
    QFETCH(QString, flags);
    QFETCH(int, checkedStyle);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    QMainWindow w;
    cMenus m;
    MenuImageList images;
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::green);
    images.Add("icon", cMemDC::BitmapToPicture(icon));
    m.ImageList = &images;
    m.SetDrawStyle(1);
    m.CreateFromForm(&w);
    m.RightToLeft = flags.contains("rtl");
    const int top = m.AddItem({.Caption = "WWWW"});
    const int item = kind == "bar" ? top
        : m.AddItem({.Parent = top, .Caption = kind == "-" ? "-" : "x", .Checked = kind.startsWith("checked"),
                     .CheckedStyle = checkedStyle, .Image = kind.endsWith("image") ? "icon" : ""});
    const QImage img = paintItem(m, item, QRect(0, 0, 120, 24), flags.contains("selected"),
                                 flags.contains("disabled"), flags.contains("hot"));
    if (at.x() >= 0) {
      QCOMPARE(QColor(img.pixel(at)), expected);
      return;
    }
    bool found = false;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) found = found || img.pixel(x, y) == expected.rgb();
    QVERIFY2(found, qPrintable(expected.name() + " appears nowhere"));
  }

  void missingImageStillPaints() {
    cMenus m;
    MenuImageList images;
    m.SetDrawStyle(1);
    m.ImageList = &images;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "WWWW", .Image = "nope"});
    QImage target(120, 24, QImage::Format_RGB32);
    target.fill(Qt::black);
    QPainter p(&target);
    m.OnDrawItem(1, &p, QRect(0, 0, 120, 24), false, false, false);
    p.end();
    QCOMPARE(QColor(target.pixel(10, 10)), QColor(222, 219, 214));
    bool text = false;
    for (int x = 32; x < 80; ++x)
      for (int y = 0; y < 24; ++y)
        if (qGray(target.pixel(x, y)) < 100) text = true;
    QVERIFY(text);
  }

  void classicPixels_data() {
    QTest::addColumn<QString>("kind");  // "bar", "popup", "image", "checked", "-"
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("hot");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    // A back colour apart from button face, so that a face fill shows.
    const QColor back(200, 220, 255), bar = system(13), shadow = system(16), light = system(20);
    QTest::newRow("pressed bar item: sunken top left") << "bar" << true << false << QPoint(0, 0) << shadow;
    QTest::newRow("pressed bar item: sunken bottom right") << "bar" << true << false << QPoint(119, 23) << light;
    QTest::newRow("hot bar item: raised top left") << "bar" << false << true << QPoint(0, 0) << light;
    QTest::newRow("bar item at rest") << "bar" << false << false << QPoint(0, 0) << system(15);
    QTest::newRow("popup background") << "popup" << false << false << QPoint(100, 2) << back;
    QTest::newRow("highlight bar") << "popup" << true << false << QPoint(2, 2) << bar;
    QTest::newRow("image column kept") << "image" << true << false << QPoint(10, 1) << back;
    QTest::newRow("highlight beside the image") << "image" << true << false << QPoint(21, 2) << bar;
    QTest::newRow("separator shadow") << "-" << false << false << QPoint(60, 4) << shadow;
    QTest::newRow("separator white") << "-" << false << false << QPoint(60, 5) << QColor(Qt::white);
    QTest::newRow("check area sunken") << "checked" << false << false << QPoint(1, 0) << shadow;
    QTest::newRow("check area face") << "checked" << false << false << QPoint(3, 1) << system(15);
  }
  void classicPixels() {
    QFETCH(QString, kind);
    QFETCH(bool, selected);
    QFETCH(bool, hot);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    QMainWindow w;
    cMenus m;
    MenuImageList images;
    QImage icon(16, 16, QImage::Format_RGB32);
    icon.fill(Qt::green);
    images.Add("icon", cMemDC::BitmapToPicture(icon));
    m.ImageList = &images;
    m.BackColor = Ole::Rgb(200, 220, 255);
    m.CreateFromForm(&w);
    const int top = m.AddItem({.Caption = "&File"});
    const int item = kind == "bar" ? top
        : m.AddItem({.Parent = top, .Caption = kind == "-" ? "-" : "&Open", .Checked = kind == "checked",
                     .Image = kind == "image" ? "icon" : ""});
    const QImage img = paintItem(m, item, QRect(0, 0, 120, 24), selected, false, hot);
    QCOMPARE(QColor(img.pixel(at)), expected);
  }

  // The pointer lights a disabled title as any other (Qt alone would not
  // repaint it), and a click on it opens nothing.
  void disabledTitleIsRepaintedWhenHot() {
    QMainWindow w;
    cMenus m;
    m.SetDrawStyle(1);
    m.CreateFromForm(&w);
    const int file = m.AddItem({.Caption = "&File"});
    m.AddItem({.Parent = file, .Caption = "&Open"});
    const int sales = m.AddItem({.Caption = "&Sales", .Enabled = false});
    m.AddItem({.Parent = sales, .Caption = "&Bills"});
    w.resize(300, 200);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QMenuBar* bar = w.menuBar();
    const QRect title = bar->actionGeometry(m.Record(sales)->Action);
    QCoreApplication::processEvents();
    PaintedRegion painted(bar);
    QMouseEvent move(QEvent::MouseMove, title.center(), bar->mapToGlobal(title.center()),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(bar, &move);
    QTRY_VERIFY(painted.region.contains(title.center()));
    QCOMPARE(QColor(bar->grab().toImage().pixel(title.topLeft() + QPoint(1, 1))),
             QColor(181, 190, 214));
    QTest::mouseClick(bar, Qt::LeftButton, {}, title.center());
    QVERIFY(!QApplication::activePopupWidget());
  }

  void classicDisabledTextIsEmbossed() {
    cMenus m;
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "WWW"});
    const QImage img = paintItem(m, 1, QRect(0, 0, 120, 24), false, true);
    const QRgb white = qRgb(255, 255, 255), shadow = system(16).rgb();
    bool embossed = false;
    for (int y = 0; y + 1 < 24; ++y)
      for (int x = 0; x + 1 < 120; ++x)
        if (img.pixel(x, y) == shadow && img.pixel(x + 1, y + 1) == white) embossed = true;
    QVERIFY(embossed);
    QCOMPARE(img.pixel(10, 10), system(4).rgb());  // no highlight
  }

  void backgroundTilesFollowTheMenu() {
    cMenus m;
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(Qt::blue);
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    m.SetBackGroundPicture(cMemDC::BitmapToPicture(tile));
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = ""});
    // Item at (30, 45): tiles start at (-14, -13), so tile corners fall on
    // the menu's multiples of 16.
    const QImage img = paintItem(m, 1, QRect(30, 45, 120, 24));
    QCOMPARE(QColor(img.pixel(32, 48)), QColor(Qt::red));
    QCOMPARE(QColor(img.pixel(48, 48)), QColor(Qt::red));
    QCOMPARE(QColor(img.pixel(33, 48)), QColor(Qt::blue));
    QCOMPARE(QColor(img.pixel(149, 68)), QColor(Qt::blue));
  }

  void lightenColor_data() {
    QTest::addColumn<qint64>("in");
    QTest::addColumn<qint64>("out");
    QTest::newRow("white darkens") << qint64(0xFFFFFF) << qint64(Ole::Rgb(204, 204, 204));
    QTest::newRow("L 0.5 becomes 0.6") << qint64(Ole::Rgb(255, 0, 0)) << qint64(Ole::Rgb(255, 51, 51));
    QTest::newRow("grey") << qint64(Ole::Rgb(100, 100, 100)) << qint64(Ole::Rgb(120, 120, 120));
    QTest::newRow("black is the remembered start") << qint64(0) << qint64(0);
  }
  void lightenColor() {
    QFETCH(qint64, in);
    QFETCH(qint64, out);
    cMenus m;
    QCOMPARE(m.LightenColor(in), out);
    QCOMPARE(m.LightenColor(in), out);
  }

  // A real bar and popup painted through the menus' style: the owner
  // measures every item in every style and paints them in styles 0 and 1.
  void ownerEventsByStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QStringList>("draws");
    QTest::newRow("classic") << 0 << QStringList{"draw 1", "draw 2", "draw 3"};
    QTest::newRow("flat") << 1 << QStringList{"draw 1", "draw 2", "draw 3"};
    QTest::newRow("other: measured only") << 2 << QStringList();
  }
  void ownerEventsByStyle() {
    QFETCH(int, style);
    QFETCH(QStringList, draws);
    QMainWindow w;
    cMenus m;
    m.SetDrawStyle(style);
    m.CreateFromForm(&w);
    const int file = m.AddItem({.Caption = "&File", .OwnerDraw = true});
    m.AddItem({.Parent = file, .Caption = "&Open", .OwnerDraw = true});
    m.AddItem({.Parent = file, .Caption = "&Save", .OwnerDraw = true});
    m.AddItem({.Caption = "&Help"});
    Recorder r(m);
    w.resize(300, 200);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QMenu* popup = m.Record(file)->hSubMenu;
    popup->popup(w.mapToGlobal(QPoint(0, 20)));
    QTRY_VERIFY(popup->isVisible());
    QCoreApplication::processEvents();
    QStringList measured = r.events.filter("measure ");
    measured.removeDuplicates();
    measured.sort();
    QCOMPARE(measured, (QStringList{"measure 1", "measure 2", "measure 3"}));
    r.events.clear();
    w.menuBar()->grab();
    const QImage shot = popup->grab().toImage();
    popup->hide();
    QCOMPARE(r.events.filter("draw "), draws);
    bool text = false;  // whoever paints, the captions show
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) text = text || qGray(shot.pixel(x, y)) < 80;
    QVERIFY(text);
  }

  void cancelledMeasureOfOtherStyles() {
    cMenus m;
    m.SetDrawStyle(5);
    m.CreateFromNothing(&owner_);
    m.AddItem({.Caption = "owner", .OwnerDraw = true});
    m.AddItem({.Caption = "plain"});
    connect(&m, &cMenus::MeasureItem, &m, [](bool& cancel, int, int& w, int&) {
      cancel = true;
      w = 77;
    });
    QCOMPARE(m.OnMeasureItem(1).value().width(), 77);
    QVERIFY(!m.OnMeasureItem(2));  // left to the menu
  }

  void topLevelSeparatorMeasuresAsSeparator() {
    QMainWindow w;
    cMenus m;
    m.CreateFromForm(&w);
    m.AddItem({.Caption = "-"});
    QVERIFY(m.ItemTopMenu(1));
    QCOMPARE(m.OnMeasureItem(1).value(), QSize(0, 9));
  }

  void menuBarHighlightAndExit() {
    QMainWindow w;
    cMenus m;
    m.CreateFromForm(&w);
    m.AddItem({.Caption = "&File"});
    m.AddItem({.Caption = "&Edit"});
    Recorder r(m);
    QMenuBar* bar = w.menuBar();
    emit bar->hovered(bar->actions().at(1));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bar, &leave);
    bar->actions().at(0)->trigger();
    QCOMPARE(r.events, (QStringList{"highlight 2", "exit", "click 1"}));
  }

  // A real popup worked with the keyboard: each entry it moves to is
  // reported once, an entry that opens a submenu is reported as such, and a
  // menu that closes ends the selection.
  void popupEventsComeOnceEach() {
    QMainWindow w;
    cMenus m;
    m.CreateFromForm(&w);
    const int file = m.AddItem({.Caption = "&File"});                      // 1
    m.AddItem({.Parent = file, .Caption = "&Open"});                       // 2
    m.AddItem({.Parent = file, .Caption = "&Save"});                       // 3
    const int recent = m.AddItem({.Parent = file, .Caption = "&Recent"});  // 4
    m.AddItem({.Parent = recent, .Caption = "&One"});                      // 5
    m.AddItem({.Caption = "&Edit"});                                       // 6
    w.resize(400, 300);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Recorder r(m);
    auto popup = [] { return QApplication::activePopupWidget(); };
    const auto closeLeftOpen = qScopeGuard([&] {
      while (QWidget* open = popup()) open->close();
    });
    auto key = [&](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
      QWidget* target = popup() ? popup() : static_cast<QWidget*>(&w);
      QTest::keyClick(target, k, mods);
      QCoreApplication::processEvents();
    };
    auto take = [&] { return std::exchange(r.events, {}); };

    key(Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(popup());
    QCOMPARE(take(), (QStringList{"highlight 1", "highlight 2"}));  // the title, then its first entry
    key(Qt::Key_Down);
    QCOMPARE(take(), (QStringList{"highlight 3"}));
    key(Qt::Key_Down);
    QCOMPARE(take(), (QStringList{"highlight 4"}));
    key(Qt::Key_Right);  // opens Recent's submenu at its first entry
    QTRY_COMPARE(popup(), m.Record(recent)->hSubMenu.data());
    QCOMPARE(take(), (QStringList{"highlight 5"}));
    key(Qt::Key_Escape);  // back to File's popup, still open
    QCOMPARE(take(), QStringList());
    key(Qt::Key_S);  // the mnemonic runs Save
    QTRY_VERIFY(!popup());
    QTRY_COMPARE(r.events, (QStringList{"highlight 3", "click 3", "exit"}));
    take();
    key(Qt::Key_F, Qt::AltModifier);
    QTRY_VERIFY(popup());
    QCOMPARE(take(), (QStringList{"highlight 1", "highlight 2"}));
    key(Qt::Key_Escape);  // the bar keeps File lit
    QTRY_COMPARE(r.events, (QStringList{"highlight 1", "exit"}));
  }

  void buildOnPutsTheRootOnAWindow() {
    cMenus m;
    QVERIFY(!m.CreateFromNothing());
    const int file = m.AddItem({.Caption = "&File"});
    m.AddItem({.Parent = file, .Caption = "&Open"});
    m.AddItem({.Caption = "&Help"});
    QMainWindow w;
    m.BuildOn(&w);
    QCOMPARE(m.Handle(), w.menuBar());
    QCOMPARE(w.menuBar()->actions().size(), 2);
    QVERIFY(m.ItemTopMenu(3));
    QVERIFY(positionsMatchMenus(m));
    Recorder r(m);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w.menuBar(), &leave);
    QCOMPARE(r.events, QStringList{"exit"});
    QMainWindow other;
    m.BuildOn(&other);  // once built, later calls do nothing
    QCOMPARE(m.Handle(), w.menuBar());
  }

  void popUpPosition_data() {
    QTest::addColumn<int>("options");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("left top") << 0 << QPoint(100, 50);
    QTest::newRow("centred") << int(cMenus::TPM_CENTERALIGN) << QPoint(80, 50);
    QTest::newRow("right") << int(cMenus::TPM_RIGHTALIGN) << QPoint(60, 50);
    QTest::newRow("vertically centred") << int(cMenus::TPM_VCENTERALIGN) << QPoint(100, 35);
    QTest::newRow("right bottom") << int(cMenus::TPM_RIGHTALIGN | cMenus::TPM_BOTTOMALIGN) << QPoint(60, 20);
  }
  void popUpPosition() {
    QFETCH(int, options);
    QFETCH(QPoint, expected);
    QCOMPARE(cMenus::PopUpPosition(QPoint(100, 50), QSize(40, 30), options), expected);
  }

  void menuBarSizesFollowTheMeasure() {
    QMainWindow w;
    cMenus m;
    m.SetDrawStyle(1);
    m.CreateFromForm(&w);
    m.AddItem({.Caption = "&File"});
    m.AddItem({.Caption = "&Help"});
    QVERIFY(w.menuBar()->actions().size() == 2);
    const QRect r = w.menuBar()->actionGeometry(w.menuBar()->actions().at(0));
    QCOMPARE(r.height(), m.ItemHeight());
    QVERIFY(r.width() >= m.OnMeasureItem(1).value().width());
  }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
