// Worksheets from the drills: fresh exercises of chosen kinds, numbered ①…, laid out on A4
// pages with lines for the pupil's name, then the answer key with the worked answers.
// Everything here is pure: the same options give the same pages.
#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "drill/drill_pages.h"
#include "platform/worksheet.h"

namespace vl {

// A drill kind a worksheet can hold: its drill code and the topic's name.
struct WorksheetKind {
  int code;
  std::u16string_view name;
};
std::span<const WorksheetKind> WorksheetKinds();

// Reads "2769,2775": known drill codes, each at most once, in the order given. Nothing (and
// the offending item in why) when an item is not a known code or repeats one.
std::optional<std::vector<int>> ParseDrillList(std::string_view text, std::string& why);

// A count, a number of versions or a seed as typed: only digits, the whole text, in
// [low, high]; nothing otherwise.
std::optional<long long> WorksheetNumber(std::u16string_view text, long long low, long long high);

inline constexpr char16_t kDefaultWorksheetTitle[] = u"練習プリント";

// The seed of exercise index (from 0) of version (from 0).
uint32_t ExerciseSeed(uint32_t seed, int version, int index);

// The exercises of one version: drill codes in blocks in the order chosen, each drawn from its
// own seed. Pages come with the reference units and the answer hidden.
std::vector<DrillPage> WorksheetExercises(const WorksheetOptions& options, int version);

// "①" for 1 up to "㊿" for 50.
std::u16string CircledNumber(int n);

// Every version's sheet, each followed by its key. Counts and versions outside their ranges
// are brought inside; unknown codes are left out, and no code at all means every kind.
Worksheet LayOutWorksheet(WorksheetOptions options);

}  // namespace vl
