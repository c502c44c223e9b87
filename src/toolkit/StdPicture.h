#pragma once
#include <QImage>

namespace rd {

// A picture with its kind: 0 none, 1 bitmap, 2 metafile, 3 icon,
// 4 enhanced metafile. Metafiles cannot be loaded here and paint nothing.
struct StdPicture {
  enum Kind { None = 0, Bitmap = 1, Metafile = 2, Icon = 3, EnhMetafile = 4 };
  QImage Picture;
  int Type = None;

  bool IsNull() const { return Type == None || Picture.isNull(); }
  // Size in HIMETRIC (hundredths of a millimetre) at 96 pixels per inch.
  double Width() const { return Picture.width() * 2540.0 / 96.0; }
  double Height() const { return Picture.height() * 2540.0 / 96.0; }
};

}  // namespace rd
