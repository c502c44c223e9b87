#pragma once
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rd {

class ModuleWindow;

// Filters a module window by example: rows of field, operator and value,
// joined by And or Or, become one condition handed to the window's
// RefreshData. The opener sets Form, then icon and caption, calls
// InitControl and shows the dialog modally; it deletes itself on closing.
class frmQuery : public QDialog {
  Q_OBJECT
  Q_PROPERTY(QObject* Form READ Form WRITE SetForm)

 public:
  static constexpr int kRows = 5;

  explicit frmQuery(QWidget* parent = nullptr);

  QObject* Form() const { return form_; }
  // The window to filter; anything that is not a module window offers no fields.
  void SetForm(QObject* form);

  // Fills the field lists from the visible grid columns of Form.
  Q_INVOKABLE bool InitControl();

  std::array<QLabel*, kRows> Label1{};
  std::array<QComboBox*, kRows> cboField{};
  std::array<QComboBox*, kRows> cboSymbol{};
  std::array<QLineEdit*, kRows> txtValue{};
  std::array<QComboBox*, kRows - 1> cboJoin{};
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

 public slots:
  void cmdOK_Click();
  void cmdCancel_Click();

 private:
  ModuleWindow* Window() const;
  bool CheckInput();

  QPointer<QObject> form_;
  QStringList FieldKeys;
  QStringList FieldCaptions;
};

// Puts frmQuery into the window registry.
void RegisterQueryWindow();

}  // namespace rd
