// Dialog template 118: "相関表".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 306, 208, 35, 14, kStyleDefault},  // default push button
    {-1, kStatic, u"下の表は、数学と理科の得点を人数で表した相関表である。", 10, 2, 220, 8, kStyleNone},  // static
    {114, kEdit, u"", 260, 2, 20, 12, kStyleNone, 5},  // edit (border, auto-scroll, tab stop)
    {-1, kStatic, u"人数", 240, 4, 16, 8, kStyleNone},  // static
    {101, kButton, u"開始", 306, 2, 35, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog118{118, u"相関表", 350, 229, u"ＭＳ Ｐゴシック", 9, kControls};

}  // namespace vl::res
