#pragma once
#include <QColor>
#include <QtGlobal>

namespace rd {

// Colours as the menu code hands them around: 0x00BBGGRR (red in the low
// byte), 0x80000000 + a system colour index, or -1 for "no colour".
using OleColor = qint64;

namespace Ole {
constexpr OleColor None = -1;
constexpr OleColor System(int index) { return 0x80000000LL + index; }
constexpr OleColor Rgb(int r, int g, int b) { return r | (g << 8) | (b << 16); }

// -1 stays -1; a system colour becomes the palette's colour as 0xBBGGRR;
// a value that names no colour gives 0 (black).
OleColor Translate(OleColor c);
// The translated colour as a QColor (black for -1).
QColor ToQColor(OleColor c);
OleColor FromQColor(const QColor& c);
}  // namespace Ole

}  // namespace rd
