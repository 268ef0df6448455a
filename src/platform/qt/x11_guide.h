// Posts a guide notice to another program's top-level X11 window found by its title.
#pragma once
#include <string>

namespace vl::qt {

// The ClientMessage type that carries a guide notice.
inline constexpr char kGuideAtomName[] = "VELORIN_GUIDE_NOTICE";

// Finds the top-level window whose _NET_WM_NAME (or WM_NAME) is exactly title (UTF-8) on the
// display named by DISPLAY and sends it a 32-bit ClientMessage holding message, wparam and
// lparam in its first three longs. False, silently, when there is no X11 display or no window.
bool PostGuideNotice(const std::string& title, unsigned message, long wparam, long lparam);

}  // namespace vl::qt
