#include "platform/script/svg.h"

#include <algorithm>
#include <cstdio>

#include "platform/arc_geometry.h"
#include "platform/recording_dc.h"
#include "platform/text.h"

namespace vl {

namespace {
std::string Escape(std::u16string_view s) {
  std::string out;
  for (char c : Utf16ToUtf8(s)) {
    switch (c) {
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '&': out += "&amp;"; break;
      case '"': out += "&quot;"; break;
      default:
        // XML 1.0 allows no control characters but tab, newline and return.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
          out += "?";
        else
          out.push_back(c);
    }
  }
  return out;
}

std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", v);
  return buf;
}

std::string Stroke(const Pen& p) {
  if (p.style == PenStyle::kNull) return " stroke=\"none\"";
  std::string s = " stroke=\"" + ColorToHex(p.color) + "\" stroke-width=\"" +
                  Num(p.width < 1 ? 1 : p.width) + "\"";
  if (p.style == PenStyle::kDot) s += " stroke-dasharray=\"1,1\"";
  if (p.width > 1) s += " stroke-linecap=\"round\" stroke-linejoin=\"round\"";
  return s;
}

std::string Fill(const Brush& b) {
  switch (b.style) {
    case BrushStyle::kSolid: return " fill=\"" + ColorToHex(b.color) + "\"";
    case BrushStyle::kHollow: return " fill=\"none\"";
    case BrushStyle::kBDiagonal:
      return " fill=\"url(#hatch" + ColorToHex(b.color).substr(1) + ")\"";
  }
  return "";
}

}  // namespace

std::string XmlEscape(std::u16string_view s) { return Escape(s); }

std::string SvgHatchDefs(const DisplayList& ops) {
  std::string defs;
  std::vector<std::string> done;
  auto add = [&](const Brush& b) {
    if (b.style != BrushStyle::kBDiagonal) return;
    std::string hex = ColorToHex(b.color).substr(1);
    for (auto& d : done)
      if (d == hex) return;
    done.push_back(hex);
    defs += "<pattern id=\"hatch" + hex +
            "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\">"
            "<path d=\"M0,8 L8,0 M-1,1 L1,-1 M7,9 L9,7\" stroke=\"#" +
            hex + "\" stroke-width=\"1\"/></pattern>";
  };
  for (auto& op : ops) {
    std::visit(Overloaded{[&](const RectangleOp& o) { add(o.brush); },
                          [&](const EllipseOp& o) { add(o.brush); },
                          [&](const FillRectOp& o) { add(o.brush); },
                          [&](const PieOp& o) { add(o.brush); },
                          [&](const PolygonOp& o) { add(o.brush); }, [](const auto&) {}},
               op);
  }
  return defs.empty() ? "" : "<defs>" + defs + "</defs>";
}

namespace {

std::string ArcPath(const ArcGeometry& g, bool pie) {
  if (g.whole) {
    // Two half arcs make the whole ellipse.
    return "M" + Num(g.cx + g.rx) + "," + Num(g.cy) + " A" + Num(g.rx) + "," + Num(g.ry) +
           " 0 1 0 " + Num(g.cx - g.rx) + "," + Num(g.cy) + " A" + Num(g.rx) + "," + Num(g.ry) +
           " 0 1 0 " + Num(g.cx + g.rx) + "," + Num(g.cy) + (pie ? " Z" : "");
  }
  std::string d = pie ? "M" + Num(g.cx) + "," + Num(g.cy) + " L" : "M";
  d += Num(g.startX) + "," + Num(g.startY) + " A" + Num(g.rx) + "," + Num(g.ry) + " 0 " +
       (g.sweepDeg > 180 ? "1" : "0") + " 0 " + Num(g.endX) + "," + Num(g.endY);
  if (pie) d += " Z";
  return d;
}
}  // namespace

std::string SvgOps(const DisplayList& ops, std::string_view idPrefix) {
  std::string out;
  int clipCount = 0;
  bool clipOpen = false;
  auto rectAttrs = [](const Rect& r) {
    return " x=\"" + Num(r.left) + "\" y=\"" + Num(r.top) + "\" width=\"" + Num(r.Width()) +
           "\" height=\"" + Num(r.Height()) + "\"";
  };
  for (auto& op : ops) {
    std::visit(
        Overloaded{
            [&](const TextOp& t) {
              Size ext = ReferenceTextExtent(t.font, t.text);
              if (t.opaque)
                out += "<rect x=\"" + Num(t.x) + "\" y=\"" + Num(t.y) + "\" width=\"" +
                       Num(ext.cx) + "\" height=\"" + Num(ext.cy) + "\" fill=\"#ffffff\"/>";
              out += "<text x=\"" + Num(t.x) + "\" y=\"" + Num(t.y + t.font.height * 7 / 8) +
                     "\" font-family=\"" + Escape(t.font.face) +
                     ", IPAGothic, monospace\" font-size=\"" + Num(t.font.height) +
                     "\" font-weight=\"" + Num(t.font.weight) + "\" fill=\"" + ColorToHex(t.color) +
                     "\" xml:space=\"preserve\">" + Escape(t.text) + "</text>\n";
            },
            [&](const LineOp& l) {
              out += "<line x1=\"" + Num(l.from.x + 0.5) + "\" y1=\"" + Num(l.from.y + 0.5) +
                     "\" x2=\"" + Num(l.to.x + 0.5) + "\" y2=\"" + Num(l.to.y + 0.5) + "\"" +
                     Stroke(l.pen) + "/>\n";
            },
            [&](const RectangleOp& r) {
              out += "<rect x=\"" + Num(r.rect.left + 0.5) + "\" y=\"" + Num(r.rect.top + 0.5) +
                     "\" width=\"" + Num(r.rect.Width() - 1) + "\" height=\"" +
                     Num(r.rect.Height() - 1) + "\"" + Fill(r.brush) + Stroke(r.pen) + "/>\n";
            },
            [&](const EllipseOp& e) {
              out += "<ellipse cx=\"" + Num((e.rect.left + e.rect.right) / 2.0) + "\" cy=\"" +
                     Num((e.rect.top + e.rect.bottom) / 2.0) + "\" rx=\"" +
                     Num(e.rect.Width() / 2.0) + "\" ry=\"" + Num(e.rect.Height() / 2.0) + "\"" +
                     Fill(e.brush) + Stroke(e.pen) + "/>\n";
            },
            [&](const FillRectOp& f) {
              out += "<rect" + rectAttrs(f.rect) + Fill(f.brush) + "/>\n";
            },
            [&](const ArcOp& a) {
              out += "<path d=\"" + ArcPath(ComputeArc(a.rect, a.start, a.end), false) +
                     "\" fill=\"none\"" + Stroke(a.pen) + "/>\n";
            },
            [&](const PieOp& p) {
              out += "<path d=\"" + ArcPath(ComputeArc(p.rect, p.start, p.end), true) + "\"" +
                     Fill(p.brush) + Stroke(p.pen) + "/>\n";
            },
            [&](const PolygonOp& p) {
              std::string pts;
              for (auto& q : p.points) pts += Num(q.x) + "," + Num(q.y) + " ";
              out += "<polygon points=\"" + pts + "\"" + Fill(p.brush) + Stroke(p.pen) +
                     " fill-rule=\"evenodd\"/>\n";
            },
            [&](const IconOp& i) {
              if (i.icon == Icon::kApplication) {
                out += "<g class=\"icon-application\"><rect x=\"" + Num(i.x) + "\" y=\"" +
                       Num(i.y) +
                       "\" width=\"32\" height=\"32\" rx=\"5\" fill=\"#1d5fa8\"/><text x=\"" +
                       Num(i.x + 16) + "\" y=\"" + Num(i.y + 24) +
                       "\" font-size=\"22\" text-anchor=\"middle\" fill=\"#ffffff\" "
                       "font-family=\"serif\">&#x221A;</text></g>\n";
              } else {
                out += "<g class=\"icon-exclamation\"><polygon points=\"" + Num(i.x + 16) + "," +
                       Num(i.y + 2) + " " + Num(i.x + 30) + "," + Num(i.y + 30) + " " +
                       Num(i.x + 2) + "," + Num(i.y + 30) +
                       "\" fill=\"#ffd700\" stroke=\"#000000\"/><text x=\"" + Num(i.x + 16) +
                       "\" y=\"" + Num(i.y + 27) +
                       "\" font-size=\"20\" text-anchor=\"middle\">!</text></g>\n";
              }
            },
            [&](const ClipOp& c) {
              if (clipOpen) out += "</g>\n";
              clipOpen = false;
              if (!c.rects) return;
              std::string id = std::string(idPrefix) + "clip" + std::to_string(++clipCount);
              out += "<clipPath id=\"" + id + "\">";
              for (auto& r : *c.rects) out += "<rect" + rectAttrs(r) + "/>";
              out += "</clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
              clipOpen = true;
            },
        },
        op);
  }
  if (clipOpen) out += "</g>\n";
  return out;
}

std::string RenderSvg(Size client, const DisplayList& ops, const std::vector<Control>* controls,
                      Color background) {
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Num(client.cx) + "\" height=\"" +
         Num(client.cy) + "\" viewBox=\"0 0 " + Num(client.cx) + " " + Num(client.cy) + "\">\n";
  out += SvgHatchDefs(ops);
  out += "<rect width=\"100%\" height=\"100%\" fill=\"" + ColorToHex(background) + "\"/>\n";
  out += SvgOps(ops, "");
  auto rectAttrs = [](const Rect& r) {
    return " x=\"" + Num(r.left) + "\" y=\"" + Num(r.top) + "\" width=\"" + Num(r.Width()) +
           "\" height=\"" + Num(r.Height()) + "\"";
  };
  if (controls) {
    for (auto& c : *controls) {
      const Rect& r = c.rect;
      std::string text = Escape(c.text);
      std::string label = "<text x=\"" + Num(r.left + 3) + "\" y=\"" +
                          Num(r.top + r.Height() / 2 + 6) +
                          "\" font-family=\"IPAGothic, monospace\" font-size=\"12\" "
                          "xml:space=\"preserve\">";
      switch (c.kind) {
        case ControlKind::kButton:
          out += "<rect" + rectAttrs(r) + " fill=\"#e8e8e8\" stroke=\"#000000\" stroke-width=\"" +
                 (c.IsDefault() ? "2" : "1") + "\"/>" + label + text + "</text>\n";
          break;
        case ControlKind::kEdit:
          out += "<rect" + rectAttrs(r) + " fill=\"#ffffff\" stroke=\"#808080\"/>" + label + text +
                 "</text>\n";
          break;
        case ControlKind::kCombo: {
          // A closed drop-down list is one line high; the template's height includes the list.
          Rect closed{r.left, r.top, r.right, r.top + std::min(r.Height(), 24)};
          out += "<rect" + rectAttrs(closed) + " fill=\"#ffffff\" stroke=\"#808080\"/><text x=\"" +
                 Num(r.left + 3) + "\" y=\"" + Num(closed.top + 16) +
                 "\" font-family=\"IPAGothic, monospace\" font-size=\"12\" "
                 "xml:space=\"preserve\">" +
                 text + "</text>\n";
          break;
        }
        case ControlKind::kGroup:
        case ControlKind::kFrame:
          out += "<rect" + rectAttrs(r) + " fill=\"none\" stroke=\"#a0a0a0\"/>\n";
          if (!text.empty()) out += label + text + "</text>\n";
          break;
        case ControlKind::kRadio:
          out += "<circle cx=\"" + Num(r.left + 6) + "\" cy=\"" + Num(r.top + r.Height() / 2) +
                 "\" r=\"5\" fill=\"" + (c.checked ? "#000000" : "#ffffff") +
                 "\" stroke=\"#000000\"/><text x=\"" + Num(r.left + 14) + "\" y=\"" +
                 Num(r.top + r.Height() / 2 + 6) +
                 "\" font-family=\"IPAGothic, monospace\" font-size=\"12\">" + text + "</text>\n";
          break;
        case ControlKind::kCheck:
          out += "<rect x=\"" + Num(r.left + 1) + "\" y=\"" + Num(r.top + r.Height() / 2 - 5) +
                 "\" width=\"10\" height=\"10\" fill=\"#ffffff\" stroke=\"#000000\"/>";
          if (c.checked)
            out += "<path d=\"M" + Num(r.left + 3) + "," + Num(r.top + r.Height() / 2) +
                   " l3,3 l5,-6\" fill=\"none\" stroke=\"#000000\" stroke-width=\"2\"/>";
          out += "<text x=\"" + Num(r.left + 14) + "\" y=\"" + Num(r.top + r.Height() / 2 + 6) +
                 "\" font-family=\"IPAGothic, monospace\" font-size=\"12\">" + text + "</text>\n";
          break;
        case ControlKind::kStatic: out += label + text + "</text>\n"; break;
        case ControlKind::kIcon:
          out += "<rect" + rectAttrs(r) + " fill=\"#1d5fa8\" rx=\"4\"/>\n";
          break;
      }
    }
  }
  out += "</svg>\n";
  return out;
}

}  // namespace vl
