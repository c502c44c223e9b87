#include "toolkit/cSuperClass.h"

namespace rd {

cSuperClass::cSuperClass(QObject* parent) : QObject(parent) {}

cSuperClass::~cSuperClass() { UnSubclass(); }

void cSuperClass::AddMsg(QEvent::Type MsgNum, bool Before) {
  if (listStale_) {
    entries_.clear();
    listStale_ = false;
  }
  entries_.append({MsgNum, Before});
}

bool cSuperClass::SubClass(QObject* target, ISuperClass* Owner, bool AllMsgs) {
  if (subclassed_ || !target || !Owner) return false;
  allMsgs_ = AllMsgs;
  target_ = target;
  owner_ = Owner;
  target->installEventFilter(this);
  subclassed_ = true;
  return true;
}

void cSuperClass::UnSubclass() {
  if (!subclassed_) return;
  if (target_) target_->removeEventFilter(this);
  target_.clear();
  owner_ = nullptr;
  subclassed_ = false;
  listStale_ = true;
  ++generation_;
}

bool cSuperClass::eventFilter(QObject* watched, QEvent* event) {
  if (!subclassed_ || watched != target_) return false;
  bool before = false;
  if (!allMsgs_) {
    auto it = std::find_if(entries_.cbegin(), entries_.cend(),
                           [&](const Entry& e) { return e.type == event->type(); });
    if (it == entries_.cend()) return false;
    before = it->before;
  }
  const quint64 generation = generation_;
  if (before) {
    bool handled = false;
    bool accepted = event->isAccepted();
    owner_->Before(handled, accepted, watched, event);
    if (!handled) return false;
    event->setAccepted(accepted);
    return true;
  }
  // The target's own handling first, then the owner, unless the
  // subclassing ended meanwhile.
  QPointer<QObject> guard(watched);
  watched->event(event);
  bool accepted = event->isAccepted();
  if (guard && subclassed_ && generation == generation_) owner_->After(accepted, watched, event);
  event->setAccepted(accepted);
  return true;
}

}  // namespace rd
