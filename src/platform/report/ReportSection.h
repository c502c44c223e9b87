#pragma once
#include <QString>
#include <vector>

#include "platform/report/ReportControl.h"

namespace rd {

// A band of a report: its name, where it prints, its height in twips and
// its controls, reached by position (from 1) or by name.
class ReportSection {
 public:
  enum Band { ReportHeader, PageHeader, Detail, PageFooter, ReportFooter };

  ReportSection(const QString& name, Band band, int height);

  QString Name() const { return name_; }
  Band Kind() const { return band_; }
  int Height() const { return height_; }
  // Negative heights are taken as 0.
  void SetHeight(int twips);

  ReportControl& Add(const ReportControl& control);
  int ControlCount() const { return int(controls_.size()); }
  // Null when there is no such control.
  ReportControl* Controls(int position);
  const ReportControl* Controls(int position) const;
  ReportControl* Controls(const QString& name);
  const std::vector<ReportControl>& ControlList() const { return controls_; }

 private:
  QString name_;
  Band band_;
  int height_;
  std::vector<ReportControl> controls_;
};

}  // namespace rd
