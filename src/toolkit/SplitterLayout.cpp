#include "toolkit/SplitterLayout.h"

#include "toolkit/RoundHalfEven.h"

namespace rd {

namespace {

std::optional<int> unlessNegative(int size) {
  if (size < 0) return std::nullopt;
  return size;
}

int shareOf(int extent, int share) { return RoundHalfEven(double(extent) * share / 100); }

bool isLimit(int value) { return value >= 6 && value <= 97; }

}  // namespace

TwipsRect PanePlacement::AppliedTo(const TwipsRect& now) const {
  return {Left, Top, Width.value_or(now.Width), Height.value_or(now.Height)};
}

void ShareLimits::SetMax(int value) {
  if (isLimit(value) && value > Min) Max = value;
}

void ShareLimits::SetMin(int value) {
  if (isLimit(value) && value < Max) Min = value;
}

namespace SplitterLayout {

PanePlacement FirstPane(const TwipsRect& e, int share, int tileMode) {
  if (tileMode == SideBySide)
    return {e.Left, e.Top, unlessNegative(shareOf(e.Width, share)), unlessNegative(e.Height - FrameHeight)};
  return {e.Left, e.Top, unlessNegative(e.Width), unlessNegative(shareOf(e.Height, share))};
}

PanePlacement SecondPane(const TwipsRect& e, const TwipsRect& l, int tileMode) {
  if (tileMode == SideBySide) {
    const int left = l.Left + l.Width + Gap;
    return {left, e.Top, unlessNegative(e.Left + e.Width - left - 30), unlessNegative(e.Height - FrameHeight)};
  }
  const int top = l.Top + l.Height + Gap;
  return {e.Left, top, unlessNegative(e.Width), unlessNegative(e.Top + e.Height - top - 30)};
}

bool InGap(int p, int firstExtent) { return firstExtent < p && p < firstExtent + Gap; }

std::optional<int> DragShare(int p, int splitterExtent, const ShareLimits& limits) {
  if (splitterExtent <= 0) return std::nullopt;
  const int share = RoundHalfEven(100.0 / splitterExtent * p);
  if (share <= limits.Min || share >= limits.Max) return std::nullopt;
  return share;
}

}  // namespace SplitterLayout

}  // namespace rd
