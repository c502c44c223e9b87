#pragma once

class QEvent;
class QObject;

namespace rd {

// The receiver of a cSuperClass. Events have no result value, so the
// event's accepted flag stands for the result: "accepted" carries it in
// and out.
class ISuperClass {
 public:
  virtual ~ISuperClass() = default;
  // After the target has handled the event; may change accepted.
  virtual void After(bool& accepted, QObject* target, QEvent* event) = 0;
  // Before the target; setting handled keeps the event from the target,
  // which then ends with accepted as left here.
  virtual void Before(bool& handled, bool& accepted, QObject* target, QEvent* event) = 0;
};

}  // namespace rd
