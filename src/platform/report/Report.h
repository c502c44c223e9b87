#pragma once
#include <QIcon>
#include <QMargins>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/db/Recordset.h"
#include "platform/report/ReportSection.h"

class QPainter;
class QPrinter;
class QWidget;

namespace rd {

// A banded report laid out in twips: the report header once at the start,
// the page header on every page, one detail band per record of the data
// source, the page footer at the foot of every page and the report footer
// once at the end. Printed to a QPrinter (paper or PDF) within the page's
// print area (see Printer::PrintArea); a report wider than that area is
// printed scaled down to fit.
class Report {
 public:
  enum PageOrientation { PrinterDefault = 0, Portrait = 1, Landscape = 2 };

  explicit Report(int margin = 1440);
  virtual ~Report() = default;

  ReportSection& AddSection(const QString& name, ReportSection::Band band, int height);
  // Null when there is no section of that name.
  ReportSection* Sections(const QString& name);
  const std::vector<ReportSection>& SectionList() const { return sections_; }

  int Margin() const { return margin_; }
  int ReportWidth() const { return reportWidth_; }
  // Negative widths are taken as 0.
  void SetReportWidth(int twips);
  // The width of the default printer's print area in this report's
  // orientation.
  int Width() const;

  // Where the report prints on a page: the print area and the scale that
  // fits the report width into it.
  struct Placement {
    QRect area;
    double scale = 1.0;
  };
  Placement PlaceOn(const QSize& page, const QMargins& unprintable) const;

  int Orientation() const { return orientation_; }
  // Values other than the three orientations mean the printer's default.
  void SetOrientation(int orientation);

  const Recordset& DataSource() const { return dataSource_; }
  void SetDataSource(const Recordset& rows) { dataSource_ = rows; }
  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption) { caption_ = caption; }
  QIcon Icon() const { return icon_; }
  void SetIcon(const QIcon& icon) { icon_ = icon; }

  // Turns the printer to this report's orientation (the default leaves it).
  void ApplyOrientation(QPrinter& printer) const;
  // Prints every page on a printer that is ready to paint; false when the
  // printer could not be started.
  bool Render(QPrinter& printer) const;
  bool PrintToPdf(const QString& file) const;
  // Hands a copy of the report to the preview (see ReportPreview).
  void Show(bool modal = false, QWidget* opener = nullptr) const;

 private:
  void PaintSection(QPainter& painter, const ReportSection& section, int top, int record) const;

  int margin_;
  int reportWidth_ = 0;
  int orientation_ = PrinterDefault;
  std::vector<ReportSection> sections_;
  Recordset dataSource_;
  QString caption_;
  QIcon icon_;
};

}  // namespace rd
