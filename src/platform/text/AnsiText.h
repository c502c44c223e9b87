#pragma once
#include <QString>
#include <QVariant>

namespace rd {

// Byte length of a text in the local 8-bit encoding, as the menu and
// drawing code measure strings.
int LenA(const QString& s);

// The characters of the 8-bit codes 0..255 (Windows-1252); a character
// outside the set is code 63 ("?").
QChar AnsiChar(int code);
int AnsiCode(QChar c);
// Bytes of the local 8-bit encoding as text.
QString FromAnsi(const QByteArray& bytes);

// Cuts a text to at most maxBytes UTF-8 bytes without splitting a character.
QString CutToBytes(const QString& s, int maxBytes);

// A stored value as text the way the program shows it: null is empty,
// booleans are "True"/"False", whole-day dates lose their time, doubles
// are written in the C locale without exponent.
QString VariantText(const QVariant& v);

}  // namespace rd
