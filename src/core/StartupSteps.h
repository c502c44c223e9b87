#pragma once
#include <QString>

namespace rd {

// The windows that start-up shows, apart from its message boxes. Tests put
// in their own so that start-up runs without blocking.
class StartupSteps {
 public:
  virtual ~StartupSteps() = default;
  // The connection dialog, modal; true when it was shown (DbConnection then
  // tells whether it connected), false when there is none.
  virtual bool ShowConnect();
  // The login dialog, modal, preset with a user and a password; true when
  // a user logged in.
  virtual bool ShowLogin(const QString& user, const QString& password);
  // The main window, modeless.
  virtual void ShowMain();
};

}  // namespace rd
