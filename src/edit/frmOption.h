#pragma once
#include <QDialog>
#include <QPointer>

class QPushButton;

namespace rd {

class FlexGrid;

// The option picker: the rows of an option record source in a grid; OK
// (or a double click) hands the picked row's source columns back to the
// asking editor through its ReturnValue and OKFlag.
class frmOption : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString RsName WRITE SetRsName READ RsName)
  Q_PROPERTY(QString ReturnField READ ReturnField WRITE SetReturnField)
 public:
  explicit frmOption(QWidget* parent = nullptr);

  void SetForm(QObject* form) { form_ = form; }
  QString RsName() const { return rsName_; }
  void SetRsName(const QString& v) { rsName_ = v; }
  QString ReturnField() const { return returnField_; }
  void SetReturnField(const QString& v) { returnField_ = v; }

  // Fills the grid from the option record source; false after a message
  // when it cannot be read.
  Q_INVOKABLE bool RefreshData();
  FlexGrid* vsData() const { return vsData_; }

 public slots:
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  FlexGrid* vsData_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  QPointer<QObject> form_;
  QString rsName_, returnField_;
};

}  // namespace rd
