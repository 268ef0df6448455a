#include "platform/script/worksheet_html.h"

#include <cstdio>

#include "platform/script/svg.h"

namespace vl {

namespace {

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

constexpr char kStyle[] =
    "@page { size: A4 portrait; margin: 0; }\n"
    "html, body { margin: 0; padding: 0; }\n"
    "body { background: #888; }\n"
    ".sheet { display: block; width: 210mm; height: 297mm; margin: 8mm auto; background: #fff; "
    "break-after: page; page-break-after: always; }\n"
    ".sheet:last-child { break-after: auto; page-break-after: auto; }\n"
    "@media print { body { background: none; } .sheet { margin: 0; } }\n";

}  // namespace

std::string WorksheetHtml(const Worksheet& sheet) {
  std::string out =
      "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
      XmlEscape(sheet.options.title) + "</title>\n<style>\n" + kStyle +
      "</style>\n</head>\n<body>\n";
  for (size_t p = 0; p < sheet.pages.size(); ++p) {
    // One SVG per page in page units; each drawing is moved and scaled into its place.
    out += "<svg class=\"sheet\" xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
           Num(kSheetWidth) + " " + Num(kSheetHeight) + "\">\n";
    const auto& items = sheet.pages[p].items;
    for (size_t i = 0; i < items.size(); ++i) {
      const SheetItem& item = items[i];
      const std::string prefix = "p" + std::to_string(p) + "i" + std::to_string(i);
      out += "<g transform=\"translate(" + Num(item.left) + " " + Num(item.top) + ") scale(" +
             Num(item.scale) + ")\">\n" + SvgHatchDefs(item.ops) + SvgOps(item.ops, prefix) +
             "</g>\n";
    }
    out += "</svg>\n";
  }
  out += "</body>\n</html>\n";
  return out;
}

}  // namespace vl
