// QtDc: the drawing surface on a QPainter, with the platform's meaning of every operation
// (right and bottom edges excluded, arcs counter-clockwise, dotted and wide pens, hatches,
// opaque text) and the metrics of the real fonts.
#pragma once
#include <QFont>
#include <QPainter>
#include <QRegion>
#include <optional>
#include <string_view>

#include "platform/dc.h"
#include "platform/display_list.h"

namespace vl::qt {

// The installed families that stand in for the program's font faces.
struct FontFamilies {
  QString gothic;   // "system", "ＭＳ ゴシック", "MS UI Gothic" and anything unknown
  QString pgothic;  // "ＭＳ Ｐゴシック"
  QString mincho;   // "ＭＳ 明朝", "MS Serif"
};
// Looks the families up once (a QGuiApplication must exist); without the IPA fonts it falls back
// to an installed Japanese font and prints one warning.
const FontFamilies& Families();

enum class FaceKind { kGothic, kPGothic, kMincho };
// Which stand-in a face name asks for; blanks (half- or full-width) do not matter.
FaceKind FaceKindOf(std::u16string_view face);

// The QFont for a font value, at its pixel height.
QFont ToQFont(const Font& f);
// The font of a dialog template: "system" is the 16-pixel page font, other faces are sized
// from points at 96 dots per inch.
QFont DialogFont(std::u16string_view face, int point);

QColor ToQColor(Color c);
QString ToQString(std::u16string_view s);
// Height of a font's character cell and its ascent, in whole pixels.
int CellHeight(const Font& f);
int Ascent(const Font& f);

// Draws the stock icons, 32 x 32 pixels at (x, y).
void DrawStockIcon(QPainter& p, int x, int y, Icon icon);

class QtDc : public Dc {
 public:
  // Draws on painter (nullptr: a surface that only measures). baseClip, when given, is the area
  // being repainted: every clip the page selects stays inside it.
  explicit QtDc(QPainter* painter, std::optional<QRegion> baseClip = std::nullopt);

  Size MeasureText(const Font& f, std::u16string_view text) override;
  TextMetrics MeasureMetrics(const Font& f) override;

  // Draws a recorded display list.
  void Replay(const DisplayList& ops);

 protected:
  void Emit(const DrawOp& op) override;

 private:
  QPainter* p_;
  std::optional<QRegion> base_;
};

}  // namespace vl::qt
