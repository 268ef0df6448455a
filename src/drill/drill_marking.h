// Marking a drill: which exercises have one number for an answer and what that number is, and
// the reading of the number the pupil typed. Pure functions of the slots and the text.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "drill/drill_generators.h"

namespace vl {

// An integer or a fraction, in lowest terms with a positive denominator.
struct AnswerNumber {
  int64_t num = 0;
  int64_t den = 1;
  bool operator==(const AnswerNumber&) const = default;
};

// Reads what the pupil typed: half- or full-width digits, an optional leading sign (a
// full-width plus or minus too), an optional "/denominator", blanks (full-width too) around
// the whole. Anything else, or a zero denominator, gives nothing.
std::optional<AnswerNumber> ParseAnswer(std::u16string_view text);
// "12", "-3", "1/4".
std::u16string FormatAnswer(const AnswerNumber& n);

enum class MarkKind {
  kNone,    // no exercise
  kNumber,  // one number, marked against the answer
  kSelf,    // a proof, a set or several numbers: the pupil says whether it was done
};

struct DrillMarking {
  MarkKind kind = MarkKind::kNone;
  AnswerNumber answer;  // for kNumber
};

// How the exercise in the slots (as generated for code) is marked.
DrillMarking MarkingOf(int code, const DrillSlots& slots);

// The drill's name as the menu has it ("組合せ"); empty for an unknown code.
std::u16string_view DrillKindName(int code);

}  // namespace vl
