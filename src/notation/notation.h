// Number checks and the drawing of mathematical notation that every page shares.
// Every font and pen a function selects is deselected before it returns.
#pragma once
#include <string_view>

#include "notation/format_text.h"
#include "notation/page_members.h"
#include "platform/color.h"
#include "platform/dc.h"

namespace vl {

// Checks of a typed number. An empty text is valid for all three.
// Only the digits 0-9: 0, else -1.
int IsUnsignedInteger(std::u16string_view text);
// Digits, with one '+' or '-' only as the first character: 0, else -1.
int IsSignedInteger(std::u16string_view text);
// Digits, a sign only first, at most one '.': the index of the '.' (0 when none), -1 when invalid.
int IsDecimalNumber(std::u16string_view text);

// base at (x, y) in the current font, exponent raised in bold "MS Serif" of height/2.
// Returns the width drawn; an empty base draws nothing and returns 0.
int DrawSuperscriptText(std::u16string_view base, Dc& dc, int height, int x, int y,
                        std::u16string_view exponent);

// letter at (x, y) with left and right subscripts (nCr, nPr, nHr) in bold "MS Serif" of
// height 2*size/3, at y + size/2 + 2; the left one ends at x.
void DrawCombinatorialSymbol(std::u16string_view letter, Dc& dc, int size, int x, int y,
                             std::u16string_view left, std::u16string_view right);
void DrawCombinatorialSymbol(std::u16string_view letter, Dc& dc, int size, int x, int y,
                             int left, int right);

// The binomial term nCr p^r q^(n-r); p = "" for r = "0", q = "" for r = "n".
void DrawBinomialTerm(int size, Dc& dc, std::u16string_view r, const PageMembers& layout, int x,
                      int y, std::u16string_view p, std::u16string_view q);

// A square-root sign over text already drawn at (x, y).
void DrawRadical(std::u16string_view text, const PageMembers& layout, Dc& dc, int x, int y,
                 Color colour);

// The radical sign of the typesetter, in the current pen, over one or two lines.
void DrawTallRadical(int width, Dc& dc, int x, int y, std::u16string_view text, int lines);

// The integral from -inf to inf of integrand dx.
void DrawIntegralSign(const PageMembers& layout, Dc& dc, int size, int x, int y,
                      std::u16string_view integrand);

// A product where a run of one letter is a power (aab -> a^2 b). Returns the width drawn.
int DrawPowerText(Dc& dc, const PageMembers& layout, int x, int y, std::u16string_view text);

// The formula typesetter for the linear notation. Returns the width drawn (and width and height
// through sizeOut when given), or -1 after drawing one of its messages. mode 1 only measures.
int DrawFormula(const PageMembers& layout, Dc& dc, int x, int y, std::u16string_view text,
                Size* sizeOut, int mode);

}  // namespace vl
