#include "platform/report/ReportText.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "platform/report/ReportSection.h"
#include "platform/ui/Twips.h"

namespace rd {

namespace {
constexpr double kPointStep = 0.25;

double PointsOf(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : 8.25; }

QFontMetricsF MetricsOn(const QFont& font, QPaintDevice* device) {
  return device ? QFontMetricsF(font, device) : QFontMetricsF(font);
}
}  // namespace

QFont ReportText::InTwips(const QFont& font) {
  QFont f(font);
  f.setPixelSize(std::max(1, qRound(PointsOf(font) * Twips::PerPoint)));
  return f;
}

ReportText::Fitted ReportText::Fit(const ReportControl& c, const QString& text,
                                   QPaintDevice* device) {
  const int width = TextArea(c).width();
  const double ownSize = PointsOf(c.Font);
  const double ownAscent = MetricsOn(InTwips(c.Font), device).ascent();
  const double smallest = std::min(kSmallestPoints, ownSize);
  QFont sized(c.Font);
  for (double points = ownSize;; points -= kPointStep) {
    sized.setPointSizeF(points);
    const QFont font = InTwips(sized);
    const QFontMetricsF metrics = MetricsOn(font, device);
    const int drop = qRound(ownAscent - metrics.ascent());
    if (metrics.horizontalAdvance(text) <= width) return {font, text, drop};
    if (points - kPointStep < smallest - 1e-9)
      return {font, metrics.elidedText(text, Qt::ElideRight, width), drop};
  }
}

QRect ReportText::TextArea(const ReportControl& c) {
  return QRect(c.Left, c.Top, std::max(0, c.Width - kGap), c.Height);
}

int ReportText::CaptionWidth(const ReportControl& c) {
  if (c.Caption.isEmpty()) return 0;
  const QFontMetricsF metrics(InTwips(c.Font));
  return int(std::ceil(metrics.horizontalAdvance(c.Caption))) + kGap;
}

void ReportText::Centre(ReportControl& c, int width) {
  c.Width = std::min(std::max(c.Width, CaptionWidth(c)), std::max(0, width));
  c.Left = qRound((width - c.Width) / 2.0);
}

void ReportText::FitCaptions(ReportSection& section, int width, int rowStep) {
  const int bottomSpace = section.Height();
  int firstTop = -1;
  int x = 0;
  int row = 0;
  for (int k = 1; k <= section.ControlCount(); ++k) {
    ReportControl& c = *section.Controls(k);
    if (c.kind != ReportControl::Label || !c.Visible) continue;
    if (firstTop < 0) firstTop = c.Top;
    const int w = std::min(std::max(c.Width, CaptionWidth(c)), std::max(0, width));
    if (x > 0 && x + w > width) {
      ++row;
      x = 0;
    }
    c.Left = x;
    c.Width = w;
    c.Top = firstTop + row * rowStep;
    x += w;
    section.SetHeight(std::max(section.Height(), c.Top - firstTop + bottomSpace));
  }
}

}  // namespace rd
