#pragma once
#include <QFont>
#include <QRect>
#include <QString>

class QPaintDevice;

namespace rd {

struct ReportControl;
class ReportSection;

// How report texts are measured and placed, in twips.
class ReportText {
 public:
  // Kept clear at the right of every text, so that neighbouring texts
  // never touch.
  static constexpr int kGap = 90;

  // The smallest size a text shrinks to before it is cut.
  static constexpr double kSmallestPoints = 6.0;

  // The font with its size in twips, so that it scales with the painter.
  static QFont InTwips(const QFont& font);
  // What a control prints and in which font (in twips): a caption or value
  // too wide for its area at the control's size is printed smaller, down to
  // kSmallestPoints; what is still too wide is cut, with "…". Measured as
  // on device (null: the screen).
  struct Fitted {
    QFont font;
    QString text;
    int drop = 0;  // how much lower a smaller font starts, to keep the baseline
  };
  static Fitted Fit(const ReportControl& c, const QString& text, QPaintDevice* device = nullptr);
  // Where a label or text box prints its text: the box less the gap.
  static QRect TextArea(const ReportControl& c);
  // What a control needs to print its caption whole, gap included.
  static int CaptionWidth(const ReportControl& c);
  // Widens the control to its caption, at most to width, and centres it
  // within width.
  static void Centre(ReportControl& c, int width);
  // Widens every visible label of the section to its caption, at most to
  // width, in position order; a label that would pass width starts a new
  // row rowStep lower, and the section grows to hold the rows.
  static void FitCaptions(ReportSection& section, int width, int rowStep);
};

}  // namespace rd
