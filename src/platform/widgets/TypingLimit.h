#pragma once

class QLineEdit;
class QPlainTextEdit;

namespace rd {

// Keeps what the user types or pastes within max characters, as a text
// box with a maximum length does: what does not fit is dropped at the
// cursor. Text set from code is never cut, so a longer stored value is
// shown and saved whole (and the length check at save reports it).
void LimitTyping(QLineEdit* edit, int max);
void LimitTyping(QPlainTextEdit* edit, int max);

}  // namespace rd
