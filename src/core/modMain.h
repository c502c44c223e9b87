#pragma once
class QApplication;

namespace rd {

class StartupSteps;

enum class StartupOutcome {
  Running,    // the main window is shown; the event loop takes over
  Cancelled,  // the user ended the program at the login
  Failed,     // no database connection
};

// Start-up: settings, language, connection, login, main window.
StartupOutcome Main(StartupSteps& steps);

// Main with the real windows, then the event loop; the process's exit code.
int RunApplication(QApplication& app);

}  // namespace rd
