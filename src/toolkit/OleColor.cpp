#include "toolkit/OleColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace rd::Ole {

namespace {

QColor systemColor(int index) {
  const QPalette pal = QGuiApplication::palette();
  switch (index) {
    case 0: return pal.color(QPalette::Button);                 // scroll bar
    case 1: return pal.color(QPalette::Dark);                   // desktop
    case 2: case 27: case 29: return pal.color(QPalette::Highlight);  // active caption, menu highlight
    case 3: case 28: return pal.color(QPalette::Inactive, QPalette::Highlight);
    case 4: return pal.color(QPalette::Window);                 // menu
    case 5: return pal.color(QPalette::Base);                   // window
    case 6: return pal.color(QPalette::Shadow);                 // window frame
    case 7: return pal.color(QPalette::WindowText);             // menu text
    case 8: return pal.color(QPalette::Text);                   // window text
    case 9: return pal.color(QPalette::HighlightedText);        // caption text
    case 10: case 11: case 30: return pal.color(QPalette::Window);  // borders, menu bar
    case 12: return pal.color(QPalette::Dark);                  // app workspace
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 15: return pal.color(QPalette::Button);                // button face
    case 16: return pal.color(QPalette::Dark);                  // button shadow
    case 17: return pal.color(QPalette::Disabled, QPalette::Text);  // grey text
    case 18: return pal.color(QPalette::ButtonText);
    case 19: return pal.color(QPalette::Inactive, QPalette::HighlightedText);
    case 20: return pal.color(QPalette::Light);                 // button highlight
    case 21: return pal.color(QPalette::Shadow);                // 3D dark shadow
    case 22: return pal.color(QPalette::Midlight);              // 3D light
    case 23: return pal.color(QPalette::ToolTipText);
    case 24: return pal.color(QPalette::ToolTipBase);
    case 26: return pal.color(QPalette::Link);
    default: return QColor();
  }
}

}  // namespace

OleColor Translate(OleColor c) {
  if (c == None) return None;
  const quint32 u = static_cast<quint32>(c);
  const quint32 high = u >> 24;
  if (high == 0x00 || high == 0x02) return u & 0xFFFFFF;
  if (high == 0x80) {
    QColor q = systemColor(static_cast<int>(u & 0xFFFFFF));
    return q.isValid() ? FromQColor(q) : 0;
  }
  return 0;
}

QColor ToQColor(OleColor c) {
  OleColor t = Translate(c);
  if (t == None) t = 0;
  return QColor(int(t & 0xFF), int((t >> 8) & 0xFF), int((t >> 16) & 0xFF));
}

OleColor FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

}  // namespace rd::Ole
