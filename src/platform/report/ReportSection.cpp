#include "platform/report/ReportSection.h"

#include <algorithm>

namespace rd {

ReportSection::ReportSection(const QString& name, Band band, int height)
    : name_(name), band_(band), height_(std::max(0, height)) {}

void ReportSection::SetHeight(int twips) { height_ = std::max(0, twips); }

ReportControl& ReportSection::Add(const ReportControl& control) {
  controls_.push_back(control);
  return controls_.back();
}

ReportControl* ReportSection::Controls(int position) {
  return position >= 1 && position <= ControlCount() ? &controls_[position - 1] : nullptr;
}

const ReportControl* ReportSection::Controls(int position) const {
  return const_cast<ReportSection*>(this)->Controls(position);
}

ReportControl* ReportSection::Controls(const QString& name) {
  for (ReportControl& c : controls_)
    if (c.Name.compare(name, Qt::CaseInsensitive) == 0) return &c;
  return nullptr;
}

}  // namespace rd
