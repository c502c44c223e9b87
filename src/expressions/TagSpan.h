#pragma once
#include <QList>
#include <QString>

namespace rd {

// Which part of a tag's text after its name a caller passes on.
enum class TagArgument {
  SecondItem,  // between the first and the second ":"
  Rest         // everything after the first ":"
};

// One tag "<Name:argument>" of a text as written. A "<" opens a tag only
// when a ">" follows and the text up to the first ":" (or the ">") is a
// name; any other "<" is plain text, so comparisons stay usable.
struct TagSpan {
  int start = 0;   // the "<"
  int length = 0;  // through the ">"
  QString name;
  int argumentStart = -1;  // just after the first ":"; -1 without one
  int argumentEnd = 0;     // end of the argument for the mode asked

  static QList<TagSpan> Find(const QString& text, TagArgument mode);
  QString Argument(const QString& text) const {
    return argumentStart < 0 ? QString() : text.mid(argumentStart, argumentEnd - argumentStart);
  }
};

}  // namespace rd
