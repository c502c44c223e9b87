#pragma once
#include <QEvent>
#include <QList>
#include <QObject>
#include <QPointer>

#include "toolkit/ISuperClass.h"

namespace rd {

// Reports chosen events of one object to an owner, before or after the
// object's own handling, as an event filter. Use: AddMsg for each event
// type, then SubClass once, later UnSubclass (or destroy the subclasser).
// After UnSubclass the owner is never called again, not even from an event
// already being handled. Other filters on the same target that were
// installed earlier are passed over for After-listed events.
class cSuperClass : public QObject {
  Q_OBJECT
 public:
  explicit cSuperClass(QObject* parent = nullptr);
  ~cSuperClass() override;

  // Lists an event type; the first listing of a type decides its route.
  // A listing made after UnSubclass starts a new list.
  void AddMsg(QEvent::Type MsgNum, bool Before);
  // False when already subclassed or given no target or owner. With
  // AllMsgs every event goes to After and the list is not used.
  bool SubClass(QObject* target, ISuperClass* Owner, bool AllMsgs = false);
  void UnSubclass();
  bool IsSubclassed() const { return subclassed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Entry {
    QEvent::Type type;
    bool before;
  };
  QList<Entry> entries_;
  bool listStale_ = false;
  bool allMsgs_ = false;
  bool subclassed_ = false;
  QPointer<QObject> target_;
  ISuperClass* owner_ = nullptr;
  quint64 generation_ = 0;
};

}  // namespace rd
