// Dialog template 113: "資料の整理".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 178, 128, 50, 14, kStyleDefault},  // push button (default)
    {143, kButton, u"度数分布表", 117, 128, 50, 14, kStyleNone},  // push button
    {144, kButton, u"並べ替え", 56, 128, 50, 14, kStyleNone},  // push button
    {-1, kStatic, u"下図は５０人分の点数です。", 7, 3, 113, 8, kStyleNone},  // static
    {-1, kStatic, u"点数の変更⇒点数をクリック⇒", 20, 10, 115, 8, kStyleNone},  // static
    {145, kEdit, u"", 140, 5, 25, 13, kStyleNone, 3},  // edit, border, auto horizontal scroll
    {114, kButton, u"変更", 170, 5, 30, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog113{113, u"資料の整理", 240, 150, u"system", 10, kControls};

}  // namespace vl::res
