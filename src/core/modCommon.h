#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>

class QWidget;

namespace rd {

// Value of key in section of an INI file, trimmed with TrimAll; "" when the
// file or the key is missing. Values are cut to 254 bytes.
QString GetIniString(const QString& section, const QString& key, const QString& file);

// Writes a setting of Config.ini. A failure (a line break in the value,
// a file that cannot be written) shows message 1217 and gives false.
bool SaveSetting(const QString& section, const QString& key, const QString& value,
                 QWidget* parent = nullptr);

// Remove blanks, CR, LF and NUL (tabs are kept) from the start, the end or
// both. The lvalue forms leave the trimmed text in their argument too.
QString TrimLeft(QString& s);
QString TrimRight(QString& s);
QString TrimAll(QString& s);
QString TrimLeft(const QString& s);
QString TrimRight(const QString& s);
QString TrimAll(const QString& s);

// Path of Language/<LCID>.ini in the program folder for an LCID given as
// text (empty or not a number: the system's default LCID); falls back to
// Language/1033.ini when that file is absent, and to the English texts
// built into the program when that one is absent too or cannot be opened
// (*unreadable then names it). A file that opens is used whatever it holds.
// Sets LanguageID.
QString GetLanguageFile(const QString& lcidText, QString* unreadable = nullptr);

// The keys of the shipped English file that file lacks.
QStringList MissingMessageKeys(const QString& file);

// The system's default LCID, from its locale.
int SystemDefaultLcid();

// Text of a key in [Language] of file, or of LanguageFile when file is empty.
// A key the file lacks or leaves empty reads the English text built into
// the program, so that no message is ever blank.
QString GetLangString(int key, const QString& file = QString());

// Fills "@1", "@2", ... with the values, in order, every occurrence.
QString ReplaceParams(const QString& text, const QStringList& values);

// A Boolean as text: "True"/"False" in any case, or a number, 0 being
// false. Anything else is not a Boolean (ok false, result false).
bool TextToBoolean(const QString& text, bool* ok = nullptr);
// A stored flag: null is false, numbers are true when non-zero.
bool VariantToBoolean(const QVariant& v);

}  // namespace rd
