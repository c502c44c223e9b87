#pragma once
#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace rd {

// Chooses the page orientation of printed grids: the printer's default,
// portrait or landscape. OK stores the choice in the settings; Cancel
// leaves them. The option's index is the stored value.
class frmPrint : public QDialog {
  Q_OBJECT
 public:
  explicit frmPrint(QWidget* parent = nullptr);

  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, 3> optPrint{};
  QPushButton* cmdOK = nullptr;
  QPushButton* cmdCancel = nullptr;

 public slots:
  void cmdOK_Click();
  void cmdCancel_Click();
};

// Puts frmPrint into the window registry.
void RegisterPrintWindow();

}  // namespace rd
