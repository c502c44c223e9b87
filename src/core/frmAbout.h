#pragma once
#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

// The about box: the application's title, the version from Config.ini, the
// addresses (a click opens the page or a new mail) and a legal notice.
// Without a title bar, centred on the screen; OK or Enter closes it.
class frmAbout : public QDialog {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  QLabel* lblProduct;
  QLabel* Label1;
  QLineEdit* txtVersion;
  QLabel* Label5;
  QLabel* Label6;
  QLabel* Label7;
  QLabel* Label3;
  QLabel* Label2;
  QLabel* Label4;
  QLabel* lblNotice;
  QLabel* lblMaker;
  QFrame* Frame1;
  QPushButton* cmdOk;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  QLabel* AddLabel(int left, int top, int width, int height);
  QLabel* AddLink(const QString& text, int top);
};

}  // namespace rd
