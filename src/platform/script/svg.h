// An SVG picture of a window: the page as drawn, then the outlines and texts of its controls.
#pragma once
#include <string>
#include <vector>

#include "platform/display_list.h"
#include "platform/window.h"

namespace vl {

std::string RenderSvg(Size client, const DisplayList& ops, const std::vector<Control>* controls,
                      Color background);

}  // namespace vl
