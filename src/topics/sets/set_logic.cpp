#include "topics/sets/set_logic.h"

#include "notation/format_text.h"
#include "notation/notation.h"
#include "platform/runtime.h"

namespace vl {

namespace {
std::optional<int16_t> ReadCount(std::u16string_view text) {
  if (IsUnsignedInteger(text) != 0) return std::nullopt;
  return ReadInt16(text);
}
}  // namespace

CountsCheck CheckCounts(const std::array<std::u16string_view, 4>& texts) {
  SetCounts c;
  auto cls = ReadCount(texts[0]);
  if (!cls || *cls <= 7) return {std::nullopt, 0};
  c.nClass = *cls;

  auto boys = ReadCount(texts[1]);
  if (!boys || *boys > c.nClass) return {std::nullopt, 1};
  c.nBoys = *boys;

  auto glasses = ReadCount(texts[2]);
  if (!glasses || *glasses > c.nClass) return {std::nullopt, 2};
  c.nGlasses = *glasses;

  auto both = ReadCount(texts[3]);
  if (!both || *both > c.nBoys || *both > c.nGlasses || c.nClass - c.nBoys < c.nGlasses - *both)
    return {std::nullopt, 3};
  c.nBoysGlasses = *both;
  return {c, -1};
}

std::optional<std::u16string> SetFormula(int choice, const SetCounts& c) {
  constexpr size_t kCap = 64;
  switch (choice) {
    case 1: return FormatString(kCap, u"%d -%d = %d (人)", {c.nClass, c.nBoys, c.nClass - c.nBoys});
    case 2:
      return FormatString(kCap, u"%d -%d = %d (人)",
                          {c.nGlasses, c.nBoysGlasses, c.nGlasses - c.nBoysGlasses});
    case 3:
      return FormatString(kCap, u"%d -%d = %d (人)", {c.nClass, c.nGlasses, c.nClass - c.nGlasses});
    case 4:
      return FormatString(kCap, u"%d -(%d+%d-%d) = %d (人)",
                          {c.nClass, c.nBoys, c.nGlasses, c.nBoysGlasses,
                           c.nClass - c.nBoys - c.nGlasses + c.nBoysGlasses});
    default: return std::nullopt;
  }
}

}  // namespace vl
