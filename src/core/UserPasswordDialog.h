#pragma once
#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

// The dialogs that ask for a user name and a password (login, change of
// user, lock screen). The opener sets UserName and Password, may call
// Load() and then set its own caption, and shows the dialog; a dialog not
// loaded yet loads when it is shown.
class UserPasswordDialog : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString UserName READ UserName WRITE SetUserName)
  Q_PROPERTY(QString Password READ Password WRITE SetPassword)

 public:
  QString UserName() const { return userName_; }
  void SetUserName(const QString& v) { userName_ = v; }
  QString Password() const { return password_; }
  void SetPassword(const QString& v) { password_ = v; }

  // Sets the captions and presets the boxes; once per dialog.
  void Load();
  bool IsLoaded() const { return loaded_; }

  QLineEdit* txtUserName;
  QLineEdit* txtPassword;
  QLabel* lblUserName;
  QLabel* lblPassword;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 public slots:
  virtual void cmdOK_Click() = 0;

 protected:
  // Controls at their twips positions; the client area is width x height.
  UserPasswordDialog(int width, int height, int rowsTop, QWidget* parent);
  virtual void OnLoad() {}
  // The two boxes without leading and trailing blanks; false (after
  // message 1033 and focus in focusOnEmpty) when the user name is empty.
  bool ReadBoxes(QString* user, QString* password, QLineEdit* focusOnEmpty);
  // Message with the exclamation icon under the application's title.
  void Warn(int key);
  void showEvent(QShowEvent* e) override;

 private:
  QString userName_, password_;
  bool loaded_ = false;
};

}  // namespace rd
