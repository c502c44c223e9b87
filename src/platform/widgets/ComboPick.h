#pragma once
#include <QComboBox>

namespace rd {

// Selects the item that is exactly the stored text, from index `first` on;
// a text the list lacks is added, so that it is shown and saved unchanged.
inline void ShowStoredItem(QComboBox* box, const QString& text, int first = 0) {
  for (int i = first; i < box->count(); ++i) {
    if (box->itemText(i) == text) {
      box->setCurrentIndex(i);
      return;
    }
  }
  box->addItem(text);
  box->setCurrentIndex(box->count() - 1);
}

}  // namespace rd
