// Worksheets: the options a teacher chooses and the laid-out sheet that every host prints.
// The layout itself (which drills, where) lives with the drills; hosts only draw the pages.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/display_list.h"

namespace vl {

inline constexpr int kWorksheetMinCount = 1, kWorksheetMaxCount = 40;
inline constexpr int kWorksheetMinVersions = 1, kWorksheetMaxVersions = 10;
// A title longer than this would run off the page.
inline constexpr size_t kWorksheetMaxTitle = 40;

struct WorksheetOptions {
  std::vector<int> drills;  // drill codes, in the order chosen; empty = every kind
  int count = 12;           // exercises per sheet
  uint32_t seed = 0;
  int versions = 1;  // sheets, each followed by its answer key
  std::u16string title;
};

enum class WorksheetOutput : int { kPreview, kPdf, kPrint };

// A drawing placed on a page: an op at (x, y) lands at (left + scale * x, top + scale * y).
struct SheetItem {
  DisplayList ops;
  double left = 0, top = 0, scale = 1;
};
struct SheetPage {
  std::vector<SheetItem> items;
};

// An A4 portrait page in page units: pixels at 96 per inch (210 x 297 mm).
inline constexpr double kSheetWidth = 210 / 25.4 * 96, kSheetHeight = 297 / 25.4 * 96;

struct Worksheet {
  WorksheetOptions options;  // drills filled in, as used
  std::vector<SheetPage> pages;
};

// The smallest rectangle holding everything the ops draw, measured with the reference metrics
// (blank texts and clips add nothing); empty for a list that draws nothing.
Rect OpsBounds(const DisplayList& ops);

}  // namespace vl
