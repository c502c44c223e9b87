#include <QtTest>

#include "toolkit/cSuperClass.h"

using namespace rd;

namespace {

const auto kFirst = QEvent::Type(QEvent::User + 1);
const auto kSecond = QEvent::Type(QEvent::User + 2);
const auto kOther = QEvent::Type(QEvent::User + 3);

QStringList journal;

class Target : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() < QEvent::User) return QObject::event(e);
    journal << "target";
    e->setAccepted(acceptInTarget);
    if (unsubclass) unsubclass->UnSubclass();
    return true;
  }
  bool acceptInTarget = true;
  cSuperClass* unsubclass = nullptr;  // ended while the target handles an event
};

class Owner : public ISuperClass {
 public:
  void Before(bool& handled, bool& accepted, QObject*, QEvent*) override {
    journal << "before";
    handled = handle;
    accepted = acceptHere;
    if (unsubclassInside) sc->UnSubclass();
  }
  void After(bool& accepted, QObject*, QEvent*) override {
    journal << QString("after:%1").arg(accepted);
    accepted = acceptHere;
  }
  bool handle = false;
  bool acceptHere = true;
  bool unsubclassInside = false;
  cSuperClass* sc = nullptr;
};

bool send(QObject* target, QEvent::Type type) {
  QEvent e(type);
  e.setAccepted(false);
  QCoreApplication::sendEvent(target, &e);
  return e.isAccepted();
}

}  // namespace

class TestSuperClass : public QObject {
  Q_OBJECT
 private slots:
  void init() { journal.clear(); }

  void routing_data() {
    QTest::addColumn<bool>("listBefore");
    QTest::addColumn<bool>("handle");
    QTest::addColumn<QEvent::Type>("sent");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("before, not handled") << true << false << kFirst << QStringList{"before", "target"} << true;
    QTest::newRow("before, handled") << true << true << kFirst << QStringList{"before"} << false;
    QTest::newRow("after changes result") << false << false << kFirst << QStringList{"target", "after:1"} << false;
    QTest::newRow("not listed") << true << false << kOther << QStringList{"target"} << true;
  }
  void routing() {
    QFETCH(bool, listBefore);
    QFETCH(bool, handle);
    QFETCH(QEvent::Type, sent);
    QFETCH(QStringList, expected);
    QFETCH(bool, accepted);
    Target target;
    Owner owner;
    owner.handle = handle;
    owner.acceptHere = false;
    cSuperClass sc;
    sc.AddMsg(kFirst, listBefore);
    QVERIFY(sc.SubClass(&target, &owner));
    QCOMPARE(send(&target, sent), accepted);
    QCOMPARE(journal, expected);
  }

  void firstListingDecides() {
    Target target;
    Owner owner;
    cSuperClass sc;
    sc.AddMsg(kFirst, true);
    sc.AddMsg(kFirst, false);
    sc.SubClass(&target, &owner);
    send(&target, kFirst);
    QCOMPARE(journal, (QStringList{"before", "target"}));
  }

  void allMessagesIgnoreTheList() {
    Target target;
    Owner owner;
    cSuperClass sc;
    sc.AddMsg(kFirst, true);
    sc.SubClass(&target, &owner, true);
    send(&target, kFirst);
    send(&target, kOther);
    QCOMPARE(journal, (QStringList{"target", "after:1", "target", "after:1"}));
  }

  void ownerNeverReachedAfterUnsubclass() {
    Target target;
    Owner owner;
    cSuperClass sc;
    sc.AddMsg(kFirst, true);
    sc.SubClass(&target, &owner);
    QVERIFY(!sc.SubClass(&target, &owner));  // no second subclassing while active
    sc.UnSubclass();
    sc.UnSubclass();
    send(&target, kFirst);
    QCOMPARE(journal, QStringList{"target"});
    // A new list starts after UnSubclass.
    sc.AddMsg(kSecond, true);
    sc.SubClass(&target, &owner);
    send(&target, kFirst);
    send(&target, kSecond);
    QCOMPARE(journal, (QStringList{"target", "target", "before", "target"}));
  }

  // Ending the subclassing while an event is routed: that event finishes
  // without reaching the owner again, later ones reach only the target.
  void unsubclassWhileRouting_data() {
    QTest::addColumn<bool>("inOwner");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("in Before") << true << QStringList{"before", "target", "target"};
    QTest::newRow("in the target, before After") << false << QStringList{"target", "target"};
  }
  void unsubclassWhileRouting() {
    QFETCH(bool, inOwner);
    QFETCH(QStringList, expected);
    Target target;
    Owner owner;
    cSuperClass sc;
    sc.AddMsg(kFirst, inOwner);
    QVERIFY(sc.SubClass(&target, &owner));
    if (inOwner) {
      owner.unsubclassInside = true;
      owner.sc = &sc;
    } else {
      target.unsubclass = &sc;
    }
    send(&target, kFirst);
    target.unsubclass = nullptr;
    send(&target, kFirst);
    QCOMPARE(journal, expected);
    QVERIFY(!sc.IsSubclassed());
  }

  void destroyingTheSubclasserEndsIt() {
    Target target;
    Owner owner;
    {
      cSuperClass sc;
      sc.AddMsg(kFirst, true);
      sc.SubClass(&target, &owner);
    }
    send(&target, kFirst);
    QCOMPARE(journal, QStringList{"target"});
  }

  void targetDestroyedFirst() {
    Owner owner;
    cSuperClass sc;
    auto* target = new Target;
    sc.AddMsg(kFirst, true);
    sc.SubClass(target, &owner);
    delete target;
    sc.UnSubclass();
    QVERIFY(!sc.IsSubclassed());
  }
};

QTEST_GUILESS_MAIN(TestSuperClass)
#include "tst_superclass.moc"
