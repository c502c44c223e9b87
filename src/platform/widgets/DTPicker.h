#pragma once
#include <QDateTimeEdit>

namespace rd {

// The date and time picker: a date-time editor with a calendar drop-down,
// a Value, and a CustomFormat written with the picker's format letters.
class DTPicker : public QDateTimeEdit {
  Q_OBJECT
  Q_PROPERTY(QString CustomFormat READ CustomFormat WRITE SetCustomFormat)
 public:
  explicit DTPicker(QWidget* parent = nullptr);

  QDateTime Value() const { return dateTime(); }
  void SetValue(const QDateTime& value);
  // Takes a date or date-time, or a text in one of the forms the program
  // writes ("yyyy-MM-dd hh:mm:ss", "yyyy-MM-dd", ISO); anything else leaves
  // the value as it was and gives false.
  bool SetValue(const QVariant& value);
  // "yyyy-MM-dd hh:mm:ss", the program's text form of a date and time.
  QString ValueText() const;

  QString CustomFormat() const { return customFormat_; }
  void SetCustomFormat(const QString& format);

  // The picker's format (yyyy yy MMMM MMM MM M dddd ddd dd d HH H hh h mm
  // m ss s tt t, quoted literals) as a display format of this editor.
  static QString ToQtFormat(const QString& pickerFormat);
  static QDateTime ParseValue(const QString& text);

 signals:
  void LostFocus();

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QString customFormat_;
};

}  // namespace rd
