#include "platform/widgets/TypingLimit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <algorithm>
#include <memory>

namespace rd {

namespace {

// How many of the added characters before the cursor must go so that a
// text grown from oldLength to newLength keeps within max. A text that was
// already longer may shrink but not grow.
int overflow(int oldLength, int newLength, int max) {
  const int added = newLength - oldLength;
  if (added <= 0 || newLength <= max) return 0;
  return std::min(added, newLength - std::max(oldLength, max));
}

}  // namespace

void LimitTyping(QLineEdit* edit, int max) {
  if (!edit || max <= 0) return;
  // textEdited comes for the user's edits only, before textChanged.
  auto previousLength = std::make_shared<int>(edit->text().size());
  QObject::connect(edit, &QLineEdit::textChanged, edit,
                   [edit, previousLength] { *previousLength = edit->text().size(); });
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, max, previousLength] {
    const int cut = overflow(*previousLength, edit->text().size(), max);
    if (cut <= 0) return;
    const int end = edit->cursorPosition();
    edit->setSelection(end, -std::min(cut, end));
    edit->del();
  });
}

void LimitTyping(QPlainTextEdit* edit, int max) {
  if (!edit || max <= 0) return;
  auto previousLength = std::make_shared<int>(edit->toPlainText().size());
  QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit, max, previousLength] {
    const int length = edit->toPlainText().size();
    const int cut = overflow(*previousLength, length, max);
    *previousLength = length;
    // Text set from code clears the undo history: it is left whole.
    if (cut <= 0 || !edit->document()->isUndoAvailable()) return;
    QTextCursor cursor = edit->textCursor();
    const int end = cursor.position();
    cursor.setPosition(std::max(0, end - cut));
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    edit->setTextCursor(cursor);
  });
}

}  // namespace rd
