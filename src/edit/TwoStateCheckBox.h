#pragma once
#include <QCheckBox>

namespace rd {

// A check box that the user toggles between unchecked and checked only;
// code may still set it grey (PartiallyChecked) to show a stored 2, and a
// click on a grey box checks it.
class TwoStateCheckBox : public QCheckBox {
  Q_OBJECT
 public:
  explicit TwoStateCheckBox(QWidget* parent = nullptr);

 protected:
  void nextCheckState() override;
};

}  // namespace rd
