// What the proof and set-basics pages show, apart from drawing: the list items of each mode,
// the drill each item opens, the explanation lines, the emblem's region and the hatched region
// of each set page.
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "platform/geometry.h"
#include "platform/region.h"

namespace vl {

inline constexpr int16_t kProofMode = 0;
inline constexpr int16_t kSetsMode = 1;

// The drop-down items of a mode, in list order (mode 0 has a prompt as item 0).
std::span<const std::u16string_view> TestifyItems(int mode);

// The drill an item opens: the drill code and its item. Nothing when the item has no drill
// (proof items before (08)); the page then says so with kNoDrillMessage.
struct DrillChoice {
  int16_t code;
  int16_t item;
  friend bool operator==(const DrillChoice&, const DrillChoice&) = default;
};
std::optional<DrillChoice> TestifyDrill(int mode, int choice);
inline constexpr std::u16string_view kNoDrillMessage = u"（８）以降ドリルあり。";

// The text lines of proof item 1..13, drawn one per row; empty for any other item.
std::span<const std::u16string_view> ProofLines(int item);

// The four-lobed region of the emblem in the box: two ellipses side by side united, two
// stacked ellipses united, and the two unions combined by exclusive or.
Region EmblemRegion(const Rect& box);

// The fixed Venn diagram of the set pages, with unit y (horizontal positions are in y too, so
// the circles stay round; the universe starts at x = unitX).
struct SetDiagram {
  Rect universe;
  Point centreA, centreB;
  int radius = 0;  // of A and B; C is half of it about A's centre
  Rect BoxA() const;
  Rect BoxB() const;
  Rect BoxC() const;
};
SetDiagram MakeSetDiagram(int unitX, int unitY);

// The hatched region of set item 0..8; empty for any other item.
Region SetPageRegion(int item, const SetDiagram& d);

// The text lines of a set item: lines 0..3 beside the diagram, line 7 (blue) under it and
// line 8 (blue, after "=>"); empty views where a page has none.
struct SetPageText {
  std::u16string_view lines[4];
  std::u16string_view line7;
  std::u16string_view line8;
};
SetPageText SetPageLines(int item);

}  // namespace vl
