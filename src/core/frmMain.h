#pragma once
#include <QMainWindow>

class QLabel;

namespace rd {

// The main window: its caption is the application's title and its status
// bar names the logged-in user. Closing it releases the connection and the
// user; it deletes itself when closed.
class frmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit frmMain(QWidget* parent = nullptr);
  ~frmMain() override;

  // The main window open now, or null.
  static frmMain* Current();

  QLabel* UserNamePanel() const { return userNamePanel_; }

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  QLabel* userNamePanel_;
};

}  // namespace rd
