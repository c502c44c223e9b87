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

  // The whole value: the parts the display format hides (the time of day
  // under a date-only format) are kept, and the user's edits change only
  // the parts shown.
  QDateTime Value() const { return value_; }
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
  // Tab and Shift+Tab leave the picker; the arrow keys move between its parts.
  bool focusNextPrevChild(bool next) override { return QWidget::focusNextPrevChild(next); }

 private:
  void display(const QDateTime& value);
  void takeEdit(const QDateTime& shown);

  QString customFormat_;
  QDateTime value_;
  bool showing_ = false;
};

}  // namespace rd
