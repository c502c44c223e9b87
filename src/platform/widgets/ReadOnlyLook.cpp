#include "platform/widgets/ReadOnlyLook.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

namespace rd {

void ShowAsReadOnly(QWidget* box, bool readOnly) {
  const QPalette standard = QApplication::palette(box);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Base, standard.color(readOnly ? QPalette::Button : QPalette::Base));
  box->setPalette(palette);
}

}  // namespace rd
