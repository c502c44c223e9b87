#pragma once
#include <QLineEdit>

namespace rd {

// A box whose text is shown as one "*" per character.
inline void MaskAsPassword(QLineEdit* box) {
  box->setEchoMode(QLineEdit::Password);
  box->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

}  // namespace rd
