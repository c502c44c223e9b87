#pragma once
#include <QString>

#include "support/ScriptedUi.h"
#include "support/TestProgramFolder.h"

// The sample database of a temporary program folder as the program's
// connection ("ACCESS"), with the dialogs scripted while it lives.
class SampleDatabase {
 public:
  SampleDatabase();
  ~SampleDatabase();
  SampleDatabase(const SampleDatabase&) = delete;
  SampleDatabase& operator=(const SampleDatabase&) = delete;

  // Runs a statement as the program does; a failure fails the test.
  static void Exec(const QString& sql);

  ScriptedUi& Ui() { return *ui_; }
  TestProgramFolder& Folder() { return folder_; }

 private:
  TestProgramFolder folder_;
  ScriptedUi* ui_ = nullptr;
};
