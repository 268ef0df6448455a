#include "platform/qt/qt_dc.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRawFont>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <variant>

#include "platform/arc_geometry.h"

namespace vl::qt {

namespace {

FontFamilies LookUpFamilies() {
  const QStringList all = QFontDatabase::families();
  FontFamilies f{"IPAGothic", "IPAPGothic", "IPAMincho"};
  const bool gothic = all.contains(f.gothic), pgothic = all.contains(f.pgothic),
             mincho = all.contains(f.mincho);
  if (gothic && pgothic && mincho) return f;
  // Any font that writes Japanese, a gothic (sans) one first.
  const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
  QString fallback;
  for (const QString& fam : japanese) {
    if (fam.contains("Gothic", Qt::CaseInsensitive) || fam.contains("Sans", Qt::CaseInsensitive)) {
      fallback = fam;
      break;
    }
  }
  if (fallback.isEmpty() && !japanese.isEmpty()) fallback = japanese.front();
  if (fallback.isEmpty()) fallback = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  if (!gothic) f.gothic = fallback;
  if (!pgothic) f.pgothic = gothic ? f.gothic : fallback;
  if (!mincho) f.mincho = fallback;
  std::fprintf(stderr,
               "velorin: warning: the IPA fonts (IPAGothic, IPAPGothic, IPAMincho) are not "
               "all installed; drawing with '%s' instead, so text may not line up\n",
               fallback.toUtf8().constData());
  return f;
}

QPen ToQPen(const Pen& pen) {
  if (pen.style == PenStyle::kNull) return QPen(Qt::NoPen);
  const int w = std::max(1, pen.width);
  QPen q(ToQColor(pen.color), w);
  if (w > 1) {
    q.setCapStyle(Qt::RoundCap);
    q.setJoinStyle(Qt::RoundJoin);
  } else {
    q.setCapStyle(Qt::FlatCap);
    q.setJoinStyle(Qt::MiterJoin);
    // Only thin pens are dotted; a wide dotted pen draws solid, as the platform's does.
    if (pen.style == PenStyle::kDot) q.setDashPattern({1.0, 1.0});
  }
  return q;
}

QBrush ToQBrush(const Brush& b) {
  switch (b.style) {
    case BrushStyle::kSolid: return QBrush(ToQColor(b.color));
    case BrushStyle::kHollow: return QBrush(Qt::NoBrush);
    case BrushStyle::kBDiagonal: return QBrush(ToQColor(b.color), Qt::BDiagPattern);
  }
  return QBrush(Qt::NoBrush);
}

// Outlines go through pixel centres, so that a one-pixel pen covers exactly the first and last
// rows and columns of the rectangle, at any device pixel ratio.
QPointF Centre(Point p) { return QPointF(p.x + 0.5, p.y + 0.5); }
QRectF OutlineRect(const Rect& r) {
  return QRectF(r.left + 0.5, r.top + 0.5, r.Width() - 1, r.Height() - 1);
}

// A line as the platform draws it: a thin pen covers the pixels from the start up to, not
// including, the end; a wide pen is centred on the points with round ends. The outline of the
// stroke is filled, so the same pixels come out at any device pixel ratio.
void DrawLine(QPainter& p, const Pen& pen, Point a, Point b) {
  if (pen.style == PenStyle::kNull || a == b) return;
  const QPen q = ToQPen(pen);
  QPointF from = Centre(a), to = Centre(b);
  if (pen.width <= 1) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double m = std::max(std::abs(dx), std::abs(dy));
    const QPointF back(dx / m * 0.5, dy / m * 0.5);
    from -= back;
    to -= back;
  }
  QPainterPath path(from);
  path.lineTo(to);
  p.fillPath(QPainterPathStroker(q).createStroke(path), q.color());
}

// A rectangle or ellipse drawn with the null pen fills one pixel less to the right and below.
bool NoPen(const Pen& p) { return p.style == PenStyle::kNull; }

// Qt places arc angles on the ellipse's parameter, the platform on the radial: convert through
// the points where the radials meet the ellipse. Returns {start, sweep} in 1/16 degrees.
std::pair<int, int> ArcAngles(const ArcGeometry& g) {
  auto param = [&](double x, double y) {
    double a = std::atan2(g.ry > 0 ? -(y - g.cy) / g.ry : 0.0, g.rx > 0 ? (x - g.cx) / g.rx : 1.0);
    a = a * 180.0 / 3.14159265358979323846;
    return a < 0 ? a + 360.0 : a;
  };
  double start = param(g.startX, g.startY);
  double sweep = param(g.endX, g.endY) - start;
  if (sweep <= 0) sweep += 360.0;
  return {qRound(start * 16), qRound(sweep * 16)};
}

// Small ellipses with a plain pen and brush are drawn once per size, pen, brush and device pixel
// ratio, then copied: the two-dice page alone draws some two hundred pips, and at a ratio of 2
// Qt strokes every one through its general path stroker. Nothing is antialiased, so a copy at
// whole device pixels puts down exactly the pixels drawing would, fully opaque or untouched.
bool DrawCachedEllipse(QPainter& p, const Rect& rect, const Pen& pen, const Brush& brush) {
  constexpr int kMaxSide = 64;
  const int w = rect.Width(), h = rect.Height();
  // Printers and PDF files get the outline itself: paper keeps vectors.
  if (!p.paintEngine() || p.paintEngine()->type() != QPaintEngine::Raster) return false;
  if (w > kMaxSide || h > kMaxSide || brush.style == BrushStyle::kBDiagonal ||
      pen.style == PenStyle::kDot || p.testRenderHint(QPainter::Antialiasing) ||
      p.opacity() != 1.0 || p.compositionMode() != QPainter::CompositionMode_SourceOver)
    return false;
  const QTransform t = p.deviceTransform();
  const int dpr = qRound(t.m11());
  if (t.type() > QTransform::TxScale || dpr < 1 || t.m11() != dpr || t.m22() != dpr ||
      t.dx() != std::floor(t.dx()) || t.dy() != std::floor(t.dy()))
    return false;
  const int pad = pen.style == PenStyle::kNull ? 1 : std::max(1, pen.width) + 1;
  using Key = std::tuple<int, int, int, int, int, unsigned, int, unsigned, int>;
  static auto* cache = new std::map<Key, QImage>;
  const Key key{w,
                h,
                dpr,
                static_cast<int>(pen.style),
                pen.width,
                static_cast<unsigned>(ToQColor(pen.color).rgb()),
                static_cast<int>(brush.style),
                static_cast<unsigned>(ToQColor(brush.color).rgb()),
                pad};
  auto it = cache->find(key);
  if (it == cache->end()) {
    if (cache->size() >= 256) cache->clear();
    QImage image((w + 2 * pad) * dpr, (h + 2 * pad) * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    QPainter q(&image);
    q.setRenderHint(QPainter::Antialiasing, false);
    q.setPen(ToQPen(pen));
    q.setBrush(ToQBrush(brush));
    q.drawEllipse(OutlineRect({pad, pad, pad + w, pad + h}));
    q.end();
    it = cache->emplace(key, std::move(image)).first;
  }
  p.drawImage(QPointF(rect.left - pad, rect.top - pad), it->second);
  return true;
}

}  // namespace

// The cell of a font is its em square at the requested pixel height, which is what the pages
// lay lines out by; the ascent is the font's own, measured on the unhinted outlines.
int CellHeight(const Font& f) { return std::max(1, std::abs(f.height)); }

namespace {

// What text drawing needs of one font at one size, worked out once: a page asks for the same
// few fonts over and over, and Qt's metrics are far slower than a lookup.
struct FontFace {
  explicit FontFace(const QFont& f) : font(f), metrics(f), raw(QRawFont::fromFont(f)) {
    QFont unhinted = f;
    unhinted.setHintingPreference(QFont::PreferNoHinting);
    ascent = qRound(QFontMetricsF(unhinted).ascent());
  }
  // One character's advance on whole pixels, where its glyph sits in that advance, and the glyph
  // (kNoGlyph: the character is drawn as text, through Qt's fallback fonts).
  static constexpr quint32 kNoGlyph = ~0u;
  struct Char {
    int advance;
    double offset;
    quint32 glyph;
  };
  const Char& Measure(char32_t code, const QString& c);

  QFont font;
  QFontMetricsF metrics;
  QRawFont raw;
  int ascent = 0;
  std::unordered_map<char32_t, Char> chars;
};

// Text is laid out character by character on whole pixels: each advance is the font's own,
// rounded down, so a half-width character of an odd height h is h/2 wide as the pages expect,
// and what is measured is exactly where the characters are drawn. A character the font lacks
// (drawn from another font) keeps the page font's cell, half or full width, centred in it.
const FontFace::Char& FontFace::Measure(char32_t code, const QString& c) {
  auto it = chars.find(code);
  if (it != chars.end()) return it->second;
  const double real = metrics.horizontalAdvance(c);
  Char ch{static_cast<int>(std::floor(real + 1e-6)), 0, kNoGlyph};
  if (raw.isValid() && !raw.supportsCharacter(static_cast<uint>(code))) {
    const int h = font.pixelSize();
    const bool half = code <= 0xFF || (code >= 0xFF61 && code <= 0xFF9F);
    ch.advance = half ? h / 2 : h;
    ch.offset = std::max(0.0, (ch.advance - real) / 2);
  } else if (raw.isValid()) {
    const QList<quint32> glyphs = raw.glyphIndexesForString(c);
    if (glyphs.size() == 1) ch.glyph = glyphs.front();
  }
  return chars.emplace(code, ch).first->second;
}

// The faces by (stand-in, pixel height, weight). Emptied when the application object goes, while
// Qt's font machinery still exists; never destroyed as a static.
std::map<std::tuple<FaceKind, int, int>, std::unique_ptr<FontFace>>& Faces() {
  static auto* faces = new std::map<std::tuple<FaceKind, int, int>, std::unique_ptr<FontFace>>;
  return *faces;
}

int WeightOf(const Font& f) { return std::clamp(f.weight == 0 ? 400 : f.weight, 1, 1000); }

FontFace& FaceOf(const Font& f) {
  if (Faces().empty()) qAddPostRoutine([] { Faces().clear(); });  // again for a new application
  auto& slot = Faces()[{FaceKindOf(f.face), CellHeight(f), WeightOf(f)}];
  if (!slot) slot = std::make_unique<FontFace>(ToQFont(f));
  return *slot;
}

struct Run {
  QStringList chars;
  std::vector<const FontFace::Char*> metrics;
  int width = 0;
};

Run LayOut(FontFace& face, std::u16string_view text) {
  auto z = text.find(u'\0');
  if (z != std::u16string_view::npos) text = text.substr(0, z);
  Run run;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size();
    const char32_t code =
        pair ? 0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00) : text[i];
    const QString c = ToQString(text.substr(i, pair ? 2 : 1));
    if (pair) ++i;
    const FontFace::Char& ch = face.Measure(code, c);
    run.chars << c;
    run.metrics.push_back(&ch);
    run.width += ch.advance;
  }
  return run;
}

}  // namespace

int Ascent(const Font& f) { return FaceOf(f).ascent; }

const FontFamilies& Families() {
  static const FontFamilies f = LookUpFamilies();
  return f;
}

FaceKind FaceKindOf(std::u16string_view face) {
  std::u16string f;
  for (char16_t c : face)
    if (c != u' ' && c != u'\u3000') f.push_back(c);
  if (f == u"ＭＳ明朝" || f == u"MSSerif") return FaceKind::kMincho;
  if (f == u"ＭＳＰゴシック") return FaceKind::kPGothic;
  return FaceKind::kGothic;
}

QFont ToQFont(const Font& f) {
  const FontFamilies& fam = Families();
  QString family;
  switch (FaceKindOf(f.face)) {
    case FaceKind::kGothic: family = fam.gothic; break;
    case FaceKind::kPGothic: family = fam.pgothic; break;
    case FaceKind::kMincho: family = fam.mincho; break;
  }
  QFont q(family);
  q.setPixelSize(std::max(1, std::abs(f.height)));
  // Weight 0 asks for the default, which is normal.
  q.setWeight(static_cast<QFont::Weight>(WeightOf(f)));
  q.setKerning(false);
  q.setStyleStrategy(QFont::PreferMatch);
  return q;
}

QFont DialogFont(std::u16string_view face, int point) {
  std::u16string lower;
  for (char16_t c : face) lower.push_back(c < 0x80 ? static_cast<char16_t>(std::tolower(c)) : c);
  if (lower == u"system") return ToQFont(Font{});
  return ToQFont(Font{std::u16string(face), (point * 96 + 36) / 72, 400, 0});
}

QColor ToQColor(Color c) { return QColor(c.r, c.g, c.b); }

QString ToQString(std::u16string_view s) {
  return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

void DrawStockIcon(QPainter& p, int x, int y, Icon icon) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.translate(x, y);
  if (icon == Icon::kApplication) {
    // A blue tile with a white radical sign.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1d, 0x5f, 0xa8));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    QPen pen(Qt::white, 3);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({{6, 17}, {10, 15}, {14, 25}, {19, 7}, {27, 7}}));
  } else {
    // A yellow warning triangle with an exclamation mark.
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(QColor(0xff, 0xd7, 0x00));
    p.drawPolygon(QPolygonF({{16, 2}, {30.5, 29.5}, {1.5, 29.5}}));
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 11), QPointF(16, 20));
    p.drawPoint(QPointF(16, 25));
  }
  p.restore();
}

QtDc::QtDc(QPainter* painter, std::optional<QRegion> baseClip)
    : p_(painter), base_(std::move(baseClip)) {
  if (!p_) return;
  p_->setRenderHint(QPainter::Antialiasing, false);
  p_->setRenderHint(QPainter::TextAntialiasing, true);
  p_->setBackgroundMode(Qt::TransparentMode);
  if (base_) p_->setClipRegion(*base_);
}

Size QtDc::MeasureText(const Font& f, std::u16string_view text) {
  return {LayOut(FaceOf(f), text).width, CellHeight(f)};
}

TextMetrics QtDc::MeasureMetrics(const Font& f) {
  // The average width rounds down as the advances do.
  const FontFace& face = FaceOf(f);
  return TextMetrics{CellHeight(f),
                     static_cast<int>(std::floor(face.metrics.averageCharWidth() + 1e-6)),
                     std::max(0, qRound(face.metrics.leading())), face.ascent};
}

void QtDc::Replay(const DisplayList& ops) {
  for (const auto& op : ops) Emit(op);
}

void QtDc::Emit(const DrawOp& op) {
  if (!p_) return;
  QPainter& p = *p_;
  auto shape = [&](const Pen& pen, const Brush& brush) {
    p.setPen(ToQPen(pen));
    p.setBrush(ToQBrush(brush));
  };
  std::visit(Overloaded{
                 [&](const TextOp& t) {
                   FontFace& face = FaceOf(t.font);
                   const Run run = LayOut(face, t.text);
                   if (t.opaque)
                     p.fillRect(QRect(t.x, t.y, run.width, CellHeight(t.font)), Qt::white);
                   p.setFont(face.font);
                   p.setPen(ToQColor(t.color));
                   const int baseline = t.y + face.ascent;
                   // The page font's glyphs go down in one run; characters it lacks are drawn as
                   // text.
                   QList<quint32> glyphs;
                   QList<QPointF> positions;
                   int x = t.x;
                   for (qsizetype i = 0; i < run.chars.size(); ++i) {
                     const FontFace::Char& ch = *run.metrics[static_cast<size_t>(i)];
                     const QPointF at(x + ch.offset, baseline);
                     if (ch.glyph != FontFace::kNoGlyph) {
                       glyphs << ch.glyph;
                       positions << at;
                     } else {
                       p.drawText(at, run.chars[i]);
                     }
                     x += ch.advance;
                   }
                   if (!glyphs.isEmpty()) {
                     QGlyphRun glyphRun;
                     glyphRun.setRawFont(face.raw);
                     glyphRun.setGlyphIndexes(glyphs);
                     glyphRun.setPositions(positions);
                     p.drawGlyphRun(QPointF(0, 0), glyphRun);
                   }
                 },
                 [&](const LineOp& l) { DrawLine(p, l.pen, l.from, l.to); },
                 [&](const RectangleOp& r) {
                   if (r.rect.IsEmpty()) return;
                   if (NoPen(r.pen)) {
                     if (r.brush.style != BrushStyle::kHollow)
                       p.fillRect(
                           QRect(r.rect.left, r.rect.top, r.rect.Width() - 1, r.rect.Height() - 1),
                           ToQBrush(r.brush));
                     return;
                   }
                   shape(r.pen, r.brush);
                   p.drawRect(OutlineRect(r.rect));
                 },
                 [&](const EllipseOp& e) {
                   if (e.rect.IsEmpty() || DrawCachedEllipse(p, e.rect, e.pen, e.brush)) return;
                   shape(e.pen, e.brush);
                   p.drawEllipse(OutlineRect(e.rect));
                 },
                 [&](const FillRectOp& f) {
                   if (f.rect.IsEmpty() || f.brush.style == BrushStyle::kHollow) return;
                   p.fillRect(QRect(f.rect.left, f.rect.top, f.rect.Width(), f.rect.Height()),
                              ToQBrush(f.brush));
                 },
                 [&](const ArcOp& a) {
                   if (a.rect.IsEmpty()) return;
                   ArcGeometry g = ComputeArc(a.rect, a.start, a.end);
                   shape(a.pen, HollowBrush());
                   if (g.whole)
                     p.drawEllipse(OutlineRect(a.rect));
                   else
                     p.drawArc(OutlineRect(a.rect), ArcAngles(g).first, ArcAngles(g).second);
                 },
                 [&](const PieOp& a) {
                   if (a.rect.IsEmpty()) return;
                   ArcGeometry g = ComputeArc(a.rect, a.start, a.end);
                   shape(a.pen, a.brush);
                   if (g.whole)
                     p.drawEllipse(OutlineRect(a.rect));
                   else
                     p.drawPie(OutlineRect(a.rect), ArcAngles(g).first, ArcAngles(g).second);
                 },
                 [&](const PolygonOp& poly) {
                   if (poly.points.size() < 2) return;
                   QPolygonF pts;
                   for (const Point& q : poly.points) pts << Centre(q);
                   shape(poly.pen, poly.brush);
                   p.drawPolygon(pts, Qt::OddEvenFill);
                 },
                 [&](const IconOp& i) { DrawStockIcon(p, i.x, i.y, i.icon); },
                 [&](const ClipOp& c) {
                   if (!c.rects) {
                     if (base_)
                       p.setClipRegion(*base_);
                     else
                       p.setClipping(false);
                     return;
                   }
                   QRegion r;
                   for (const Rect& rc : *c.rects)
                     r += QRect(rc.left, rc.top, rc.Width(), rc.Height());
                   if (base_) r &= *base_;
                   p.setClipRegion(r);
                 },
             },
             op);
}

}  // namespace vl::qt

// Fontconfig keeps a little memory for the life of the process on purpose, and the speech
// service's client library loses its error text (made by vasprintf, which this program never
// calls) when no service answers; the leak checker of sanitizer builds is told not to report
// them. Without the checker this hook is never called.
extern "C" __attribute__((used)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libspeechd\nleak:__vasprintf_internal\n";
}
