#pragma once
#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>
#include <memory>
#include <optional>

#include "toolkit/OleColor.h"
#include "toolkit/StdFont.h"
#include "toolkit/StdPicture.h"

namespace rd {

// An off-screen drawing surface in pixels and OLE colours, on a QImage
// painted through a QPainter (hDC). Edges follow the old device rules: a
// rectangle (l, t, r, b) covers columns l..r-1 and rows t..b-1, and a line
// leaves out its end point. A right or bottom edge below the left or top
// means "to the surface edge". Brushes and pens are values, so nothing a
// caller hands over is ever freed here.
class cMemDC {
 public:
  enum Rop : quint32 {
    SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046, SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008
  };
  enum TextFlags : int {
    DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8, DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20, DT_NOCLIP = 0x100, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800
  };
  enum EdgeFlags : int {
    BDR_RAISEDOUTER = 1, BDR_SUNKENOUTER = 2, BDR_RAISEDINNER = 4, BDR_SUNKENINNER = 8,
    BF_LEFT = 1, BF_TOP = 2, BF_RIGHT = 4, BF_BOTTOM = 8, BF_RECT = 15, BF_MIDDLE = 0x800
  };
  enum FrameControl : int {
    DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4,
    DFCS_CAPTIONCLOSE = 0, DFCS_CAPTIONMIN = 1, DFCS_CAPTIONMAX = 2,
    DFCS_MENUARROW = 0, DFCS_MENUCHECK = 1, DFCS_MENUBULLET = 2,
    DFCS_SCROLLUP = 0, DFCS_SCROLLDOWN = 1, DFCS_SCROLLLEFT = 2, DFCS_SCROLLRIGHT = 3,
    DFCS_BUTTONCHECK = 0, DFCS_BUTTONRADIO = 4, DFCS_BUTTONPUSH = 0x10,
    DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400
  };
  enum TextOutFlags : int { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
  enum BrushStyle : int { BS_SOLID = 0, BS_NULL = 1, BS_HATCHED = 2 };
  enum Hatch : int {
    HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4,
    HS_DIAGCROSS = 5
  };
  enum PenStyle : int {
    PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5
  };
  enum BkMode { TRANSPARENT = 1, OPAQUE = 2 };
  enum Rop2 { R2_NOT = 6, R2_XORPEN = 7, R2_COPYPEN = 13 };

  cMemDC() = default;
  ~cMemDC();
  cMemDC(const cMemDC&) = delete;
  cMemDC& operator=(const cMemDC&) = delete;

  // Builds the surface (re-building it when it exists). hParentDC is the
  // default destination of the copies and lends its font and colours.
  // hMemoryDC paints into a caller's image instead of an own one.
  QPainter* Init(int PixelWidth = 0, int PixelHeight = 0, QPainter* hParentDC = nullptr,
                 QImage* hMemoryDC = nullptr);
  void Destroy();
  // The surface's own pixels, taken away; hNewBitmap, when given, becomes
  // the surface. Without one the surface stays created but owns nothing.
  QImage DetachBitmap(const std::optional<QImage>& hNewBitmap = std::nullopt);
  bool IsCreated() const { return painter_ != nullptr; }
  bool IsMemoryDC() const { return IsCreated() && !callerImage_ && ownBitmap_; }

  QPainter* hDC() const { return painter_.get(); }
  int Width() const { return IsCreated() ? width_ : 0; }
  int Height() const { return IsCreated() ? height_ : 0; }
  int FontHeight() const;
  StdFont Font() const;
  void SetFont(const StdFont& font);
  OleColor ForeColor() const { return IsCreated() ? Ole::FromQColor(fore_) : 0; }
  void SetForeColor(OleColor c);
  OleColor BackColor() const { return IsCreated() ? Ole::FromQColor(back_) : 0; }
  void SetBackColor(OleColor c);
  int BackStyle() const { return IsCreated() ? backStyle_ : 0; }
  void SetBackStyle(int mode);
  int DrawMode() const { return IsCreated() ? drawMode_ : 0; }
  void SetDrawMode(int rop2);
  // A checker of background and text colour, as they are now.
  QBrush DotBrush() const;
  std::optional<QBrush> Brush() const { return brush_; }
  void SetBrush(const std::optional<QBrush>& brush);  // none restores the initial brush
  std::optional<QPen> Pen() const { return pen_; }
  void SetPen(const std::optional<QPen>& pen);        // none restores the initial pen
  StdPicture Image() const;                           // a copy of the pixels
  const QImage& Surface() const { return *image(); }

  static int OsVersion() { return 500; }
  static StdFont SystemMenuFont();
  static StdFont SystemIconFont();

  void Cls(OleColor clrFill = Ole::None, const std::optional<QBrush>& hbrFill = std::nullopt);
  void FillRect(int LeftX = 0, int TopY = 0, int RightX = -1, int BottomY = -1,
                OleColor clrFill = Ole::None, const std::optional<QBrush>& hbrFill = std::nullopt);
  void FillGradient(int LeftX, int TopY, int RightX, int BottomY, OleColor clrFirst,
                    OleColor clrSecond, bool bVertical = false);
  void DrawEdge(int LeftX = 0, int TopY = 0, int RightX = -1, int BottomY = -1,
                int Edge = BDR_SUNKENOUTER, int Flags = BF_RECT);
  // A control part: a button (push, check box, radio), a menu glyph, a
  // scroll arrow or a caption button, with the DFCS_ state bits.
  void DrawFrameControl(int LeftX = 0, int TopY = 0, int RightX = -1, int BottomY = -1,
                        int Type_ = DFC_BUTTON, int Style = DFCS_BUTTONPUSH);
  void FrameRect(int LeftX, int TopY, int RightX, int BottomY, OleColor clrFill = Ole::None,
                 const std::optional<QBrush>& hbrFill = std::nullopt);
  // X1 below 0 draws on from the current position.
  void DrawLine(int X1, int Y1, int X2, int Y2, OleColor clrLine = Ole::None,
                const std::optional<QPen>& hpnLine = std::nullopt);
  void Rectangle(int LeftX = 0, int TopY = 0, int RightX = -1, int BottomY = -1,
                 OleColor clrFill = Ole::None, const std::optional<QBrush>& hbrFill = std::nullopt,
                 OleColor clrOutline = Ole::None, const std::optional<QPen>& hpnOutline = std::nullopt);
  void DrawEllipse(int LeftX = 0, int TopY = 0, int RightX = -1, int BottomY = -1,
                   OleColor clrOutline = Ole::None, const std::optional<QPen>& hpnOutline = std::nullopt);
  void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4,
           OleColor clrOutline = Ole::None, const std::optional<QPen>& hpnOutline = std::nullopt);
  void SetPixel(int LeftX, int TopY, OleColor clrColor = 0xFFFFFF);
  OleColor GetPixel(int LeftX, int TopY) const;  // -1 outside the surface

  // Copies to hdcDest (null: the parent given to Init; none: nothing);
  // a size of 0 means the surface's size.
  void BitBlt(QPainter* hdcDest = nullptr, int xDest = 0, int yDest = 0, int nWidth = 0,
              int nHeight = 0, int xSrc = 0, int ySrc = 0, quint32 dwRop = SRCCOPY);
  void LoadBlt(const QImage& src, int xSrc = 0, int ySrc = 0, int xDest = 0, int yDest = 0,
               int nWidth = 0, int nHeight = 0, quint32 dwRop = SRCCOPY);
  void StretchBlt(QPainter* hdcDest = nullptr, int xDest = 0, int yDest = 0, int nWidth = 0,
                  int nHeight = 0, int xSrc = 0, int ySrc = 0, int nSrcWidth = 0,
                  int nSrcHeight = 0, quint32 dwRop = SRCCOPY);
  // Pixels of clrMask leave the destination as it is.
  void TransBlt(QPainter* hdcDest = nullptr, int xDest = 0, int yDest = 0, int nWidth = 0,
                int nHeight = 0, int xSrc = 0, int ySrc = 0, OleColor clrMask = 0xFF00FF);
  // Embossed copy: every pixel that is neither white nor clrMask is drawn
  // in clrHighlight one pixel right and down, then in clrShadow in place.
  void DisabledBlt(QPainter* hdcDest = nullptr, int xDest = 0, int yDest = 0, int nWidth = 0,
                   int nHeight = 0, int xSrc = 0, int ySrc = 0, OleColor clrMask = 0xFFFFFF,
                   OleColor clrHighlight = Ole::System(20), OleColor clrShadow = Ole::System(16));

  // Draws in the rectangle; with DT_CALCRECT measures instead. The rectangle
  // drawn or measured is written back.
  void DrawText(const QString& Text, int& LeftX, int& TopY, int& RightX, int& BottomY,
                int dtFlags = 0);
  // The text at (xOffset, yOffset); ETO_OPAQUE fills the rectangle in the
  // background colour, ETO_CLIPPED keeps the text inside it.
  void ExtTextOut(const QString& Text, int LeftX, int TopY, int RightX, int BottomY,
                  int xOffset = 0, int yOffset = 0, int etoFlags = 0);
  // Copies from the bitmap (sizes as given); with clrMask its pixels stay out.
  void PaintBitmap(const QImage& hBmp, int xDest = 0, int yDest = 0, int nWidth = 0,
                   int nHeight = 0, int xSrc = 0, int ySrc = 0, quint32 dwRop = SRCCOPY,
                   OleColor clrMask = Ole::None);
  void PaintPicture(const StdPicture& oPic, int xDest = 0, int yDest = 0, int nWidth = 0,
                    int nHeight = 0, int xSrc = 0, int ySrc = 0, quint32 dwRop = SRCCOPY,
                    OleColor clrMask = Ole::None);
  void PaintDisabledPicture(const StdPicture& oPic, int xDest = 0, int yDest = 0, int nWidth = 0,
                            int nHeight = 0, int xSrc = 0, int ySrc = 0,
                            OleColor clrMask = 0xFFFFFF, OleColor clrHighlight = Ole::System(20),
                            OleColor clrShadow = Ole::System(16));
  // An icon of the whole surface, clrMask pixels transparent.
  StdPicture ExtractIcon(OleColor clrMask) const;
  static StdPicture BitmapToPicture(const QImage& bitmap);
  static StdPicture IconToPicture(const QImage& icon);
  // 24-bit bottom-up rows padded to 4 bytes; too short a buffer draws nothing.
  void SetDIBits(int xDest, int yDest, int nWidth, int nHeight, const QByteArray& aBits);

  static QBrush CreateBrush(OleColor clrFill, int lStyle = BS_SOLID, int lHatch = HS_HORIZONTAL);
  static QPen CreatePen(OleColor clrOutline, int lStyle = PS_SOLID, int lWidth = 1);
  // Brushes, pens and bitmaps are values: nothing is freed; true for one
  // that paints.
  static bool DeleteObject(const QBrush& hObject) { return hObject.style() != Qt::NoBrush; }
  static bool DeleteObject(const QPen& hObject) { return hObject.style() != Qt::NoPen; }
  static bool DeleteObject(const QImage& hObject) { return !hObject.isNull(); }

  static OleColor TranslateColor(OleColor c) { return Ole::Translate(c); }
  static double HM2Pix(double value) { return value * 1440.0 / 2540.0 / 15.0; }
  int TextWidth(const QString& sText) const;
  int TextHeight(const QString& sText) const;
  static void NormalizeRect(int& LeftX, int& TopY, int& RightX, int& BottomY);
  void SetClipRect(int LeftX, int TopY = 0, int RightX = 0, int BottomY = 0);

 private:
  QImage* image() const { return callerImage_ ? callerImage_ : &ownImage_; }
  QRect edgeRect(int l, int t, int r, int b) const;
  void gdiLine(QPoint from, QPoint to);
  void copyTo(QPainter* dest, const QPoint& at, const QImage& part, quint32 rop) const;
  QImage sourcePart(int x, int y, int w, int h) const;
  void applyFont();
  void paintGlyph(const QRect& r, int type, int part, const QColor& ink);

  mutable QImage ownImage_;
  QImage* callerImage_ = nullptr;
  bool ownBitmap_ = false;
  std::unique_ptr<QPainter> painter_;
  QPainter* parent_ = nullptr;
  int width_ = 0, height_ = 0;
  QColor fore_ = Qt::black, back_ = Qt::white;
  int backStyle_ = OPAQUE;
  int drawMode_ = R2_COPYPEN;
  std::optional<StdFont> font_;
  std::optional<QBrush> brush_;
  std::optional<QPen> pen_;
  QPoint pos_;
};

}  // namespace rd
