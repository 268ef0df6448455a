// An SVG picture of a window: the page as drawn, then the outlines and texts of its controls.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "platform/display_list.h"
#include "platform/window.h"

namespace vl {

// The SVG elements that draw ops (no <svg> around them); clip ids begin with idPrefix, so that
// several drawings can share one document.
std::string SvgOps(const DisplayList& ops, std::string_view idPrefix);
// Text made safe inside XML and HTML: markup characters escaped, control characters dropped.
std::string XmlEscape(std::u16string_view s);
// The <defs> of the hatch patterns the ops use ("" when none).
std::string SvgHatchDefs(const DisplayList& ops);

std::string RenderSvg(Size client, const DisplayList& ops, const std::vector<Control>* controls,
                      Color background);

}  // namespace vl
