#include "platform/report/Report.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "platform/report/Printer.h"
#include "platform/report/ReportPreview.h"
#include "platform/report/ReportText.h"
#include "platform/text/AnsiText.h"
#include "platform/ui/Twips.h"

namespace rd {

namespace {
constexpr int kLineWidth = 15;
}  // namespace

Report::Report(int margin) : margin_(std::max(0, margin)) {}

ReportSection& Report::AddSection(const QString& name, ReportSection::Band band, int height) {
  sections_.emplace_back(name, band, height);
  return sections_.back();
}

ReportSection* Report::Sections(const QString& name) {
  for (ReportSection& s : sections_)
    if (s.Name().compare(name, Qt::CaseInsensitive) == 0) return &s;
  return nullptr;
}

void Report::SetReportWidth(int twips) { reportWidth_ = std::max(0, twips); }

int Report::Width() const { return Printer::PrintArea(orientation_, margin_).width(); }

Report::Placement Report::PlaceOn(const QSize& page, const QMargins& unprintable) const {
  Placement p;
  p.area = Printer::PrintArea(page, unprintable, margin_);
  if (reportWidth_ > p.area.width() && reportWidth_ > 0)
    p.scale = double(p.area.width()) / reportWidth_;
  return p;
}

void Report::SetOrientation(int orientation) {
  orientation_ = orientation == Portrait || orientation == Landscape ? orientation : PrinterDefault;
}

void Report::ApplyOrientation(QPrinter& printer) const {
  if (orientation_ == Portrait)
    printer.setPageOrientation(QPageLayout::Portrait);
  else if (orientation_ == Landscape)
    printer.setPageOrientation(QPageLayout::Landscape);
}

void Report::PaintSection(QPainter& painter, const ReportSection& section, int top,
                          int record) const {
  for (const ReportControl& c : section.ControlList()) {
    if (!c.Visible) continue;
    if (c.kind == ReportControl::Line) {
      painter.setPen(QPen(Qt::black, kLineWidth));
      painter.drawLine(c.Left, top + c.Top, c.Left + c.Width, top + c.Top);
      continue;
    }
    const QRect box = ReportText::TextArea(c).translated(0, top);
    if (box.width() <= 0 || box.height() <= 0) continue;
    QString text = c.Caption;
    if (c.kind == ReportControl::TextBox) {
      const int field = dataSource_.FieldIndex(c.DataField);
      text = field >= 0 && record >= 0 ? VariantText(dataSource_.Cell(record, field)) : QString();
    }
    if (text.isEmpty()) continue;
    painter.save();
    painter.setClipRect(box);
    const ReportText::Fitted shown = ReportText::Fit(c, text, painter.device());
    painter.setFont(shown.font);
    painter.setPen(Qt::black);
    painter.drawText(box.adjusted(0, shown.drop, 0, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown.text);
    painter.restore();
  }
}

bool Report::Render(QPrinter& printer) const {
  printer.setFullPage(true);
  QPainter painter;
  if (!painter.begin(&printer)) return false;

  QPageLayout layout = printer.pageLayout();
  layout.setUnits(QPageLayout::Point);
  const QSizeF paper = layout.fullRect().size() * Twips::PerPoint;
  const Placement place = PlaceOn(paper.toSize(), Twips::FromPoints(layout.minimumMargins()));
  const double deviceScale = printer.resolution() / 1440.0;
  painter.scale(deviceScale, deviceScale);
  painter.translate(place.area.topLeft());
  painter.scale(place.scale, place.scale);
  const int bottom = int(place.area.height() / place.scale);

  auto bands = [this](ReportSection::Band band) {
    std::vector<const ReportSection*> found;
    for (const ReportSection& s : sections_)
      if (s.Kind() == band) found.push_back(&s);
    return found;
  };
  auto height = [](const std::vector<const ReportSection*>& list) {
    int h = 0;
    for (const ReportSection* s : list) h += s->Height();
    return h;
  };
  const auto reportHeader = bands(ReportSection::ReportHeader);
  const auto pageHeader = bands(ReportSection::PageHeader);
  const auto detail = bands(ReportSection::Detail);
  const auto pageFooter = bands(ReportSection::PageFooter);
  const auto reportFooter = bands(ReportSection::ReportFooter);
  const int footerTop = bottom - height(pageFooter);

  int y = 0;
  int bodyTop = y;
  auto paint = [&](const std::vector<const ReportSection*>& list, int record) {
    for (const ReportSection* s : list) {
      PaintSection(painter, *s, y, record);
      y += s->Height();
    }
  };
  auto startPage = [&] {
    paint(pageHeader, -1);
    bodyTop = y;
  };
  auto endPage = [&] {
    y = footerTop;
    paint(pageFooter, -1);
  };
  // A band taller than a page still prints, alone on its page.
  auto makeRoom = [&](int h) {
    if (h == 0 || y + h <= footerTop || y == bodyTop) return true;
    endPage();
    if (!printer.newPage()) return false;
    y = 0;
    startPage();
    return true;
  };

  paint(reportHeader, -1);
  startPage();
  const int detailHeight = height(detail);
  for (int r = 0; r < dataSource_.RecordCount(); ++r) {
    if (!makeRoom(detailHeight)) break;
    paint(detail, r);
  }
  if (makeRoom(height(reportFooter))) paint(reportFooter, -1);
  endPage();
  return painter.end();
}

bool Report::PrintToPdf(const QString& file) const {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  ApplyOrientation(printer);
  return Render(printer);
}

void Report::Show(bool modal, QWidget* opener) const { ReportPreview::Show(*this, modal, opener); }

}  // namespace rd
