#include "edit/TwoStateCheckBox.h"

namespace rd {

TwoStateCheckBox::TwoStateCheckBox(QWidget* parent) : QCheckBox(parent) { setTristate(true); }

void TwoStateCheckBox::nextCheckState() {
  setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace rd
