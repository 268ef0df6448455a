// Reading the counting topics' edit boxes into the checks of counting_logic.
#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/window.h"
#include "topics/counting/counting_logic.h"

namespace vl {

using TwoCountCheck = TwoCounts (*)(std::u16string_view, std::u16string_view, int, int);

// Reads one box of dice (at most 5 characters); a refusal moves the focus back to it.
std::optional<int16_t> ReadDice(Dialog& dlg, int edit);
// Reads two boxes (at most 5 characters each) and checks them together; a refusal moves the
// focus back to the box that refused.
TwoCounts ReadTwoCounts(Dialog& dlg, int editA, int editB, TwoCountCheck check);

}  // namespace vl
