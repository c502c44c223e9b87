#pragma once
#include <QString>
#include <QStringList>

namespace rd {

// Profile-string reading and writing on an INI file, with the rules the
// program's settings and language files rely on: sections and keys found
// without regard to case, the first match wins, the value is everything
// after the first "=" (without one pair of matching quotes around it), a
// missing file, section or key reads as "", and a value is cut to 254
// bytes. Lines read as UTF-8 where they are valid, else one character per
// byte; a file with a UTF-16 byte-order mark reads as UTF-16. A write
// replaces the value line in place (or appends the key to its section, or
// appends the section) and keeps the bytes of every other line, comment and
// line end; the file is replaced atomically. Line breaks in a section, key
// or value are refused.
class Ini {
 public:
  static constexpr int MaxValueBytes = 254;

  static QString Read(const QString& file, const QString& section, const QString& key);
  // The keys of the first section of that name, as written, in file order.
  static QStringList Keys(const QString& file, const QString& section);
  static bool Write(const QString& file, const QString& section, const QString& key,
                    const QString& value);
};

}  // namespace rd
