// A worksheet as one self-contained, printable HTML page: an A4 sheet per page, each an inline
// SVG of the page's drawings. The browser prints it, or saves it as a PDF.
#pragma once
#include <string>

#include "platform/worksheet.h"

namespace vl {

std::string WorksheetHtml(const Worksheet& sheet);

}  // namespace vl
