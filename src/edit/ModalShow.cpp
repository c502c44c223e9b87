#include "edit/ModalShow.h"

#include <QDialog>

namespace rd {

namespace {
ModalShow::Runner& runner() {
  static ModalShow::Runner r;
  return r;
}
}  // namespace

void ModalShow::Exec(QDialog* dialog) {
  if (!dialog) return;
  if (runner())
    runner()(dialog);
  else
    dialog->exec();
}

void ModalShow::SetRunner(Runner r) { runner() = std::move(r); }

}  // namespace rd
