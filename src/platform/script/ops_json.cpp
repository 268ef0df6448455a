#include "platform/script/ops_json.h"

namespace vl {

namespace {
Json PointJson(Point p) { return Json::Array{p.x, p.y}; }
Json RectJson(const Rect& r) { return Json::Array{r.left, r.top, r.right, r.bottom}; }

const char* PenStyleName(PenStyle s) {
  switch (s) {
    case PenStyle::kSolid: return "solid";
    case PenStyle::kDot: return "dot";
    case PenStyle::kNull: return "null";
  }
  return "solid";
}
const char* BrushStyleName(BrushStyle s) {
  switch (s) {
    case BrushStyle::kSolid: return "solid";
    case BrushStyle::kHollow: return "hollow";
    case BrushStyle::kBDiagonal: return "bdiagonal";
  }
  return "solid";
}

bool ReadPoint(const Json& j, Point& p) {
  if (!j.IsArray() || j.AsArray().size() != 2) return false;
  p = {j.AsArray()[0].AsInt(), j.AsArray()[1].AsInt()};
  return true;
}
bool ReadRect(const Json& j, Rect& r) {
  if (!j.IsArray() || j.AsArray().size() != 4) return false;
  auto& a = j.AsArray();
  r = {a[0].AsInt(), a[1].AsInt(), a[2].AsInt(), a[3].AsInt()};
  return true;
}
bool ReadColor(const Json& j, Color& c) { return ColorFromHex(j.AsString(), c); }
bool ReadPen(const Json& j, Pen& p) {
  const std::string& s = j["style"].AsString();
  if (s == "solid")
    p.style = PenStyle::kSolid;
  else if (s == "dot")
    p.style = PenStyle::kDot;
  else if (s == "null")
    p.style = PenStyle::kNull;
  else
    return false;
  p.width = j["width"].AsInt();
  return ReadColor(j["color"], p.color);
}
bool ReadBrush(const Json& j, Brush& b) {
  const std::string& s = j["style"].AsString();
  if (s == "solid")
    b.style = BrushStyle::kSolid;
  else if (s == "hollow")
    b.style = BrushStyle::kHollow;
  else if (s == "bdiagonal")
    b.style = BrushStyle::kBDiagonal;
  else
    return false;
  return ReadColor(j["color"], b.color);
}
bool ReadFont(const Json& j, Font& f) {
  if (!j.IsObject()) return false;
  f.face = j["face"].AsU16();
  f.height = j["height"].AsInt();
  f.weight = j["weight"].AsInt();
  return true;
}
}  // namespace

Json FontToJson(const Font& f) {
  return Json::Object{{"face", Json(f.face)}, {"height", f.height}, {"weight", f.weight}};
}
Json PenToJson(const Pen& p) {
  return Json::Object{
      {"style", PenStyleName(p.style)}, {"width", p.width}, {"color", ColorToHex(p.color)}};
}
Json BrushToJson(const Brush& b) {
  return Json::Object{{"style", BrushStyleName(b.style)}, {"color", ColorToHex(b.color)}};
}

Json OpToJson(const DrawOp& op) {
  return std::visit(
      Overloaded{
          [](const TextOp& t) {
            return Json(Json::Object{{"op", "text"},
                                     {"x", t.x},
                                     {"y", t.y},
                                     {"text", Json(t.text)},
                                     {"color", ColorToHex(t.color)},
                                     {"opaque", t.opaque},
                                     {"font", FontToJson(t.font)}});
          },
          [](const LineOp& l) {
            return Json(Json::Object{{"op", "line"},
                                     {"from", PointJson(l.from)},
                                     {"to", PointJson(l.to)},
                                     {"pen", PenToJson(l.pen)}});
          },
          [](const RectangleOp& r) {
            return Json(Json::Object{{"op", "rectangle"},
                                     {"rect", RectJson(r.rect)},
                                     {"pen", PenToJson(r.pen)},
                                     {"brush", BrushToJson(r.brush)}});
          },
          [](const EllipseOp& e) {
            return Json(Json::Object{{"op", "ellipse"},
                                     {"rect", RectJson(e.rect)},
                                     {"pen", PenToJson(e.pen)},
                                     {"brush", BrushToJson(e.brush)}});
          },
          [](const FillRectOp& f) {
            return Json(Json::Object{
                {"op", "fill_rect"}, {"rect", RectJson(f.rect)}, {"brush", BrushToJson(f.brush)}});
          },
          [](const ArcOp& a) {
            return Json(Json::Object{{"op", "arc"},
                                     {"rect", RectJson(a.rect)},
                                     {"start", PointJson(a.start)},
                                     {"end", PointJson(a.end)},
                                     {"pen", PenToJson(a.pen)}});
          },
          [](const PieOp& p) {
            return Json(Json::Object{{"op", "pie"},
                                     {"rect", RectJson(p.rect)},
                                     {"start", PointJson(p.start)},
                                     {"end", PointJson(p.end)},
                                     {"pen", PenToJson(p.pen)},
                                     {"brush", BrushToJson(p.brush)}});
          },
          [](const PolygonOp& p) {
            Json::Array pts;
            for (auto& pt : p.points) pts.push_back(PointJson(pt));
            return Json(Json::Object{{"op", "polygon"},
                                     {"points", Json(std::move(pts))},
                                     {"pen", PenToJson(p.pen)},
                                     {"brush", BrushToJson(p.brush)}});
          },
          [](const IconOp& i) {
            return Json(Json::Object{
                {"op", "icon"},
                {"x", i.x},
                {"y", i.y},
                {"icon", i.icon == Icon::kApplication ? "application" : "exclamation"}});
          },
          [](const ClipOp& c) {
            Json rects;
            if (c.rects) {
              Json::Array a;
              for (auto& r : *c.rects) a.push_back(RectJson(r));
              rects = Json(std::move(a));
            }
            return Json(Json::Object{{"op", "clip"}, {"rects", rects}});
          },
      },
      op);
}

std::optional<DrawOp> OpFromJson(const Json& j) {
  const std::string& kind = j["op"].AsString();
  if (kind == "text") {
    TextOp t;
    t.x = j["x"].AsInt();
    t.y = j["y"].AsInt();
    t.text = j["text"].AsU16();
    t.opaque = j["opaque"].AsBool();
    if (!ReadColor(j["color"], t.color) || !ReadFont(j["font"], t.font)) return std::nullopt;
    return t;
  }
  if (kind == "line") {
    LineOp l;
    if (!ReadPoint(j["from"], l.from) || !ReadPoint(j["to"], l.to) || !ReadPen(j["pen"], l.pen))
      return std::nullopt;
    return l;
  }
  if (kind == "rectangle" || kind == "ellipse") {
    Rect r;
    Pen p;
    Brush b;
    if (!ReadRect(j["rect"], r) || !ReadPen(j["pen"], p) || !ReadBrush(j["brush"], b))
      return std::nullopt;
    if (kind == "rectangle") return RectangleOp{r, p, b};
    return EllipseOp{r, p, b};
  }
  if (kind == "fill_rect") {
    FillRectOp f;
    if (!ReadRect(j["rect"], f.rect) || !ReadBrush(j["brush"], f.brush)) return std::nullopt;
    return f;
  }
  if (kind == "arc" || kind == "pie") {
    Rect r;
    Point s, e;
    Pen p;
    if (!ReadRect(j["rect"], r) || !ReadPoint(j["start"], s) || !ReadPoint(j["end"], e) ||
        !ReadPen(j["pen"], p))
      return std::nullopt;
    if (kind == "arc") return ArcOp{r, s, e, p};
    Brush b;
    if (!ReadBrush(j["brush"], b)) return std::nullopt;
    return PieOp{r, s, e, p, b};
  }
  if (kind == "polygon") {
    PolygonOp p;
    for (auto& pt : j["points"].AsArray()) {
      Point q;
      if (!ReadPoint(pt, q)) return std::nullopt;
      p.points.push_back(q);
    }
    if (!ReadPen(j["pen"], p.pen) || !ReadBrush(j["brush"], p.brush)) return std::nullopt;
    return p;
  }
  if (kind == "icon") {
    const std::string& name = j["icon"].AsString();
    if (name != "application" && name != "exclamation") return std::nullopt;
    return IconOp{j["x"].AsInt(), j["y"].AsInt(),
                  name == "application" ? Icon::kApplication : Icon::kExclamation};
  }
  if (kind == "clip") {
    ClipOp c;
    if (j["rects"].IsArray()) {
      std::vector<Rect> rects;
      for (auto& r : j["rects"].AsArray()) {
        Rect q;
        if (!ReadRect(r, q)) return std::nullopt;
        rects.push_back(q);
      }
      c.rects = std::move(rects);
    } else if (!j["rects"].IsNull()) {
      return std::nullopt;
    }
    return c;
  }
  return std::nullopt;
}

Json DisplayListToJson(const DisplayList& ops) {
  Json::Array a;
  a.reserve(ops.size());
  for (auto& op : ops) a.push_back(OpToJson(op));
  return Json(std::move(a));
}

}  // namespace vl
