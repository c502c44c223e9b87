#pragma once
#include <QDialog>
#include <QPointer>

class QPushButton;

namespace rd {

class FlexGrid;

// The bill picker: lists the candidate bills of the list query (the first
// of the three queries in sql) and copies the picked one into the editor
// Form with FillBillForm. Set the members, call GetData, then exec().
class frmListBill : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QString sql READ sql WRITE SetSql)
  Q_PROPERTY(QString ModuleName READ ModuleName WRITE SetModuleName)
  Q_PROPERTY(QString Key READ Key WRITE SetKey)
 public:
  explicit frmListBill(QWidget* parent = nullptr);

  QString sql() const { return sql_; }
  void SetSql(const QString& v) { sql_ = v; }
  Q_INVOKABLE void GetData();
  QWidget* Form() const { return form_; }
  void SetForm(QWidget* v) { form_ = v; }
  QObject* Button() const { return button_; }
  void SetButton(QObject* v) { button_ = v; }
  QString ModuleName() const { return moduleName_; }
  void SetModuleName(const QString& v) { moduleName_ = v; }
  QString Key() const { return key_; }
  void SetKey(const QString& v) { key_ = v; }

  FlexGrid* vsData() const { return vsData_; }
  QPushButton* cmdOK() const { return cmdOK_; }
  QPushButton* cmdCancel() const { return cmdCancel_; }

 public slots:
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  FlexGrid* vsData_;
  QPushButton* cmdOK_;
  QPushButton* cmdCancel_;
  QString sql_, moduleName_, key_;
  QPointer<QWidget> form_;
  QPointer<QObject> button_;
};

}  // namespace rd
