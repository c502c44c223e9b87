#pragma once
#include <optional>

namespace rd {

// A rectangle in twips of the form.
struct TwipsRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const TwipsRect&) const = default;
};

// Where the layout puts one pane. A size left empty would be negative: the
// pane refuses it and keeps the size it has.
struct PanePlacement {
  int Left = 0;
  int Top = 0;
  std::optional<int> Width;
  std::optional<int> Height;
  TwipsRect AppliedTo(const TwipsRect& now) const;
};

// The first pane's share may move strictly between Min and Max percent.
// A limit is changed only to a value from 6 to 97 beyond the other limit.
struct ShareLimits {
  int Min = 5;
  int Max = 98;
  void SetMax(int value);
  void SetMin(int value);
};

// Two panes in the splitter's rectangle, side by side (tile mode 1) or
// stacked (any other mode), with a gap of Gap twips the user drags.
//
// Its openers size the splitter from the window's outer height (frame
// included) less the toolbar; the layout's "- 380" and "- 30" at the right
// make up for the title bar and borders. An opener that uses the client
// height() instead leaves the panes about 25 pixels short of the bottom.
namespace SplitterLayout {
constexpr int Gap = 100;
constexpr int SideBySide = 1;
constexpr int InitialShare = 35;
// Of the splitter's height, what side-by-side panes leave below them.
constexpr int FrameHeight = 380;

// Sizes of `splitter` are not negative; `share` is a percentage.
PanePlacement FirstPane(const TwipsRect& splitter, int share, int tileMode);
// `first` is the first pane as it lies after its own placement.
PanePlacement SecondPane(const TwipsRect& splitter, const TwipsRect& first, int tileMode);

// p is measured from the splitter's left (side by side) or top edge; the
// gap begins after the first pane's width (or height), both ends excluded.
bool InGap(int p, int firstExtent);
// The share a drag to p asks for, or none when it is not strictly inside
// the limits or the splitter has no extent.
std::optional<int> DragShare(int p, int splitterExtent, const ShareLimits& limits);
}  // namespace SplitterLayout

}  // namespace rd
