#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest>

#include "platform/widgets/ControlArray.h"
#include "platform/widgets/DTPicker.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/StatusBar.h"
#include "platform/widgets/Toolbar.h"
#include "platform/widgets/TreeView.h"
#include "platform/widgets/TypingLimit.h"

using namespace rd;

namespace {

QPixmap Square(Qt::GlobalColor color) {
  QPixmap p(16, 16);
  p.fill(color);
  return p;
}

QString ChildKeys(const TreeNode* parent) {
  QStringList keys;
  for (TreeNode* n = parent->Child(); n; n = n->Next()) keys << n->Key();
  return keys.join(',');
}

}  // namespace

class TestControls : public QObject {
  Q_OBJECT

 private slots:
  void controlArrayLoadsFromTheTemplate() {
    QWidget form;
    auto* text = new QLineEdit(&form);
    text->setObjectName("Text1");
    text->setGeometry(10, 20, 145, 25);
    text->setMaxLength(12);
    text->setReadOnly(true);
    QFont font("Sans", 13);
    text->setFont(font);
    ControlArray<QLineEdit> Text1(text);
    QCOMPARE(Text1.Count(), 1);
    QVERIFY(text->isHidden());

    QLineEdit* one = Text1.Load(1);
    QVERIFY(one);
    QCOMPARE(one->parentWidget(), &form);
    QCOMPARE(one->maxLength(), 12);
    QVERIFY(one->isReadOnly());
    QCOMPARE(one->font(), font);
    QCOMPARE(one->size(), QSize(145, 25));
    QVERIFY(one->isHidden());
    QVERIFY(!Text1.Load(1));
    QVERIFY(!Text1.Load(0));
    QVERIFY(Text1.Load(2));
    QCOMPARE(Text1.Count(), 3);
    QCOMPARE(Text1.UBound(), 2);
    QCOMPARE(Text1[1], one);
    QCOMPARE(Text1.IndexOf(one), 1);

    QVERIFY(Text1.SetTag(1, "Name|Text|1"));
    QCOMPARE(Text1.Tag(1), QString("Name|Text|1"));
    QVERIFY(!Text1.SetTag(7, "x"));
    QVERIFY(!Text1.Unload(0));
    QVERIFY(Text1.Unload(1));
    QVERIFY(!Text1.Item(1));
    QCOMPARE(Text1.Tag(1), QString());
    QCOMPARE(Text1.Count(), 2);
    Text1.UnloadAll();
    QCOMPARE(Text1.Count(), 1);
    QCOMPARE(Text1.UBound(), 0);
    QCOMPARE(Text1[0], text);
  }

  void controlArrayCopiesPickerFormat() {
    QWidget form;
    auto* picker = new DTPicker(&form);
    picker->SetCustomFormat("yyyy-MM-dd hh:mm tt");
    ControlArray<DTPicker> DTPicker1(picker);
    DTPicker* one = DTPicker1.Load(1);
    QVERIFY(one);
    QCOMPARE(one->CustomFormat(), picker->CustomFormat());
    QCOMPARE(one->displayFormat(), picker->displayFormat());
  }

  void pickerFormatConversion_data() {
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("qt");
    QTest::addColumn<QString>("shown");  // of 2024-03-05 14:07:09; "" not checked
    QTest::newRow("program's form, 24 hours") << "yyyy-MM-dd hh:mm:ss" << "yyyy-MM-dd hh:mm:ss" << "2024-03-05 14:07:09";
    QTest::newRow("HH") << "HH:mm" << "HH:mm" << "14:07";
    QTest::newRow("tt gives 12 hours") << "hh:mm tt" << "hh:mm AP" << "02:07 PM";
    QTest::newRow("short forms") << "d/M/yy" << "d/M/yy" << "5/3/24";
    QTest::newRow("one-letter year") << "y" << "yy" << "24";
    QTest::newRow("names") << "dddd, MMMM d" << "dddd, MMMM d" << "Tuesday, March 5";
    QTest::newRow("short names") << "ddd MMM" << "ddd MMM" << "Tue Mar";
    QTest::newRow("quoted text") << "'Day' d" << "'Day' d" << "Day 5";
    QTest::newRow("quote in quotes") << "'It''s' yyyy" << "'It''s' yyyy" << "It's 2024";
    QTest::newRow("letters Qt reads as codes") << "yyyy a Z" << "yyyy 'a' 'Z'" << "2024 a Z";
    QTest::newRow("too long a run") << "ddddd" << "dddd" << "";
  }
  void pickerFormatConversion() {
    QFETCH(QString, picker);
    QFETCH(QString, qt);
    QFETCH(QString, shown);
    QCOMPARE(DTPicker::ToQtFormat(picker), qt);
    if (shown.isEmpty()) return;
    DTPicker p;
    p.setLocale(QLocale::c());
    p.SetCustomFormat(picker);
    p.SetValue(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    QCOMPARE(p.text(), shown);
  }

  void pickerValue() {
    DTPicker p;
    QVERIFY(p.SetValue(QVariant("2024-03-05 14:07:09")));
    QCOMPARE(p.ValueText(), QString("2024-03-05 14:07:09"));
    QVERIFY(!p.SetValue(QVariant("not a date")));
    QVERIFY(!p.SetValue(QVariant()));
    QCOMPARE(p.ValueText(), QString("2024-03-05 14:07:09"));
    QVERIFY(p.SetValue(QVariant(QDate(2023, 1, 2))));
    QCOMPARE(p.Value(), QDateTime(QDate(2023, 1, 2), QTime(0, 0)));
  }

  // The time of day survives a date-only format; an edit changes only
  // the parts the format shows.
  void pickerKeepsWhatItDoesNotShow() {
    DTPicker p;
    QVERIFY(p.SetValue(QVariant("2024-01-15 09:30:45")));
    p.SetCustomFormat("yyyy-MM-dd");
    QCOMPARE(p.ValueText(), QString("2024-01-15 09:30:45"));
    p.show();
    p.setFocus();
    p.setCurrentSection(QDateTimeEdit::YearSection);
    QTest::keyClick(&p, Qt::Key_Up);
    QCOMPARE(p.ValueText(), QString("2025-01-15 09:30:45"));
    p.SetCustomFormat("yyyy-MM-dd HH:mm");
    p.setCurrentSection(QDateTimeEdit::MinuteSection);
    QTest::keyClick(&p, Qt::Key_Up);
    QCOMPARE(p.ValueText(), QString("2025-01-15 09:31:45"));
  }

  // Typing and pasting stop at the maximum length; text set from code is
  // never cut, and a longer text may shrink but not grow.
  void typingLimit_data() {
    QTest::addColumn<QString>("initial");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("expected");
    QTest::newRow("typing stops") << "abc" << "defg" << false << "abcde";
    QTest::newRow("paste cut to fit") << "abc" << "12345" << true << "abc12";
    QTest::newRow("longer text kept") << "Alder & Finch Ltd" << "" << false << "Alder & Finch Ltd";
    QTest::newRow("longer text does not grow") << "Alder & Finch" << "x" << false << "Alder & Finch";
    QTest::newRow("longer text no paste") << "Alder & Finch" << "xy" << true << "Alder & Finch";
  }
  void typingLimit() {
    QFETCH(QString, initial);
    QFETCH(QString, typed);
    QFETCH(bool, paste);
    QFETCH(QString, expected);
    QLineEdit line;
    QPlainTextEdit area;
    LimitTyping(&line, 5);
    LimitTyping(&area, 5);
    line.setText(initial);
    area.setPlainText(initial);
    for (QWidget* edit : {static_cast<QWidget*>(&line), static_cast<QWidget*>(&area)}) {
      edit->show();
      edit->setFocus();
      QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
      if (paste) {
        QGuiApplication::clipboard()->setText(typed);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
      } else {
        QTest::keyClicks(edit, typed);
      }
    }
    QCOMPARE(line.text(), expected);
    QCOMPARE(area.toPlainText(), expected);
  }

  void imageListByKeyAndIndex() {
    ImageList images;
    QCOMPARE(images.Add("Add", Square(Qt::red)), 1);
    QCOMPARE(images.Add("Close", Square(Qt::blue)), 2);
    QCOMPARE(images.Add("Add", Square(Qt::green)), 0);
    QCOMPARE(images.AddFile("Missing", "/nowhere/none.png"), 0);
    QCOMPARE(images.Count(), 2);
    QCOMPARE(images.IndexOf("Close"), 2);
    QCOMPARE(images.IndexOf("close"), 0);
    QCOMPARE(images.Key(1), QString("Add"));
    QVERIFY(images.Picture(3).isNull());
    QCOMPARE(images.Picture("Add").toImage().pixelColor(0, 0), QColor(Qt::red));
  }

  void toolbarButtonsByKey() {
    ImageList images;
    images.Add("Add", Square(Qt::red));
    Toolbar bar;
    bar.SetImageList(&images);
    ToolbarButton* add = bar.AddButton("Add");
    QVERIFY(add);
    QVERIFY(!bar.AddButton("Add", "again"));
    QVERIFY(bar.AddButton("", "", ToolbarButton::Separator)->isSeparator());
    QVERIFY(bar.AddButton("", "", ToolbarButton::Separator));
    ToolbarButton* close = bar.AddButton("Close", "Close it");
    QCOMPARE(bar.ButtonCount(), 4);
    QCOMPARE(bar.Button("Add"), add);
    QCOMPARE(bar.Button(4), close);
    QVERIFY(!bar.Button(5));
    QCOMPARE(add->Caption(), QString("Add"));
    QCOMPARE(close->Caption(), QString("Close it"));

    QVERIFY(add->SetImage("Add"));
    QCOMPARE(add->ImageIndex(), 1);
    QVERIFY(!add->icon().isNull());
    QVERIFY(!close->SetImage("Close"));
    QVERIFY(close->icon().isNull());
    add->SetTag("func|p1");
    add->SetToolTipText("Adds");
    QCOMPARE(add->Tag(), QString("func|p1"));
    QCOMPARE(add->ToolTipText(), QString("Adds"));

    QSignalSpy clicks(&bar, &Toolbar::ButtonClick);
    add->trigger();
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.at(0).at(0).value<ToolbarButton*>(), add);

    QVERIFY(bar.RemoveButton("Add"));
    QCOMPARE(bar.Button(1)->ButtonStyle(), ToolbarButton::Separator);
    bar.ClearButtons();
    QCOMPARE(bar.ButtonCount(), 0);
    QVERIFY(!bar.Button("Close"));
    QVERIFY(bar.actions().isEmpty());
  }

  void statusBarPanels() {
    QWidget window;
    window.resize(600, 100);
    auto* bar = new StatusBar(&window);
    bar->setGeometry(0, 70, 600, 30);
    StatusBarPanel* count = bar->AddPanel("12 records");
    StatusBarPanel* total = bar->AddPanel("Total 5", "Total");
    QCOMPARE(bar->PanelCount(), 2);
    QCOMPARE(bar->Panel(1), count);
    QCOMPARE(bar->Panel("Total"), total);
    QVERIFY(!bar->Panel(0));
    QVERIFY(!bar->Panel(3));
    total->SetWidth(1500);
    QCOMPARE(total->Width(), 1500);
    count->SetAutoSize(StatusBarPanel::Spring);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(count->Width() > bar->Width() / 2);
    QCOMPARE(total->Width(), 1500);
    QCOMPARE(count->Text(), QString("12 records"));
    bar->ClearPanels();
    QCOMPARE(bar->PanelCount(), 0);
    QVERIFY(!bar->Panel("Total"));
  }

  void treeRelationships_data() {
    QTest::addColumn<int>("relationship");
    QTest::addColumn<QString>("rootChildren");
    QTest::addColumn<QString>("aChildren");
    QTest::newRow("first") << int(TreeView::First) << "N,A,B" << "";
    QTest::newRow("last") << int(TreeView::Last) << "A,B,N" << "";
    QTest::newRow("next") << int(TreeView::Next) << "A,N,B" << "";
    QTest::newRow("previous") << int(TreeView::Previous) << "N,A,B" << "";
    QTest::newRow("child") << int(TreeView::Child) << "A,B" << "N";
  }
  void treeRelationships() {
    QFETCH(int, relationship);
    QFETCH(QString, rootChildren);
    QFETCH(QString, aChildren);
    TreeView tree;
    TreeNode* root = tree.Add("", TreeView::Last, "R", "Root");
    tree.Add("R", TreeView::Child, "A", "a");
    tree.Add("R", TreeView::Child, "B", "b");
    TreeNode* n = tree.Add("A", TreeView::Relationship(relationship), "N", "n");
    QVERIFY(n);
    QCOMPARE(ChildKeys(root), rootChildren);
    QCOMPARE(ChildKeys(tree.Node("A")), aChildren);
    QCOMPARE(n->Parent(), relationship == TreeView::Child ? tree.Node("A") : root);
    QCOMPARE(tree.NodeAt(4), n);
  }

  void treeKeysAndSignals() {
    TreeView tree;
    tree.SetCheckboxes(true);
    TreeNode* root = tree.Add("", TreeView::Last, "R", "Root");
    TreeNode* a = tree.Add("R", TreeView::Child, "A", "a");
    tree.Add("A", TreeView::Child, "A1", "a1");
    QVERIFY(!tree.Add("R", TreeView::Child, "A", "again"));
    QVERIFY(!tree.Add("nobody", TreeView::Child, "X", "x"));
    QCOMPARE(tree.NodeCount(), 3);
    QCOMPARE(root->Children(), 1);
    QVERIFY(!root->Parent());
    QVERIFY(!root->Next());
    a->SetTag("T1");
    QCOMPARE(tree.Node("A")->Tag(), QString("T1"));

    // A handler that checks the children causes no further NodeCheck.
    QSignalSpy checks(&tree, &TreeView::NodeCheck);
    connect(&tree, &TreeView::NodeCheck, &tree, [](TreeNode* node) {
      for (TreeNode* c = node->Child(); c; c = c->Next()) c->SetChecked(node->Checked());
    });
    a->setCheckState(0, Qt::Checked);  // as a click on the box does
    QCOMPARE(checks.size(), 1);
    QVERIFY(tree.Node("A1")->Checked());
    a->SetChecked(false);
    QCOMPARE(checks.size(), 1);

    QSignalSpy clicks(&tree, &TreeView::NodeClick);
    tree.SetSelectedItem(a);
    QCOMPARE(tree.SelectedItem(), a);
    QCOMPARE(clicks.size(), 0);
    tree.setCurrentItem(root);  // as the keyboard does
    QCOMPARE(clicks.size(), 1);

    QVERIFY(tree.Remove("A"));
    QVERIFY(!tree.Node("A1"));
    QCOMPARE(tree.NodeCount(), 1);
    QVERIFY(tree.Add("R", TreeView::Child, "A", "a again"));
    tree.ClearNodes();
    QCOMPARE(tree.NodeCount(), 0);
    QVERIFY(!tree.Node("R"));
  }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
