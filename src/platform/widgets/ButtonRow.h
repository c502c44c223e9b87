#pragma once
#include <QHBoxLayout>
#include <QPushButton>
#include <initializer_list>

namespace rd {

// A dialog's command buttons in one row at the right, in the order given.
inline QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
  auto* row = new QHBoxLayout;
  row->addStretch();
  for (QPushButton* button : buttons) row->addWidget(button);
  return row;
}

}  // namespace rd
