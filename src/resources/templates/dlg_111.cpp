// Dialog template 111: "推   論".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 206, 128, 30, 14, kStyleDefault},  // push button (default)
    {-1, kStatic, u"「ｐならばｑである」が 真のとき", 6, 7, 125, 8, kStyleNone},  // static
    {-1, kStatic, u"ａ）「ｐだからｑである」は有効な推論", 14, 19, 145, 8, kStyleNone},  // static
    {-1, kStatic, u"ｂ）「ｑでないので、ｐでない」は有効な推論", 14, 30, 175, 8, kStyleNone},  // static
    {-1, kStatic, u"ｃ）「ｑだからｐである」は有効でない推論", 14, 42, 165, 8, kStyleNone},  // static
    {-1, kStatic, u"ｄ）「ｐでないのでｑでない」は有効でない推論", 14, 53, 180, 8, kStyleNone},  // static
    {-1, kGroup, u"推論例の選択", 156, 66, 78, 35, kStyleNone},  // group box
    {126, kRadio, u"ａ）", 166, 75, 20, 10, kStyleNone},  // auto radio button
    {127, kRadio, u"ｂ）", 166, 88, 20, 10, kStyleNone},  // auto radio button
    {128, kRadio, u"ｃ）", 204, 75, 20, 10, kStyleNone},  // auto radio button
    {129, kRadio, u"ｄ）", 204, 88, 20, 10, kStyleNone},  // auto radio button
    {133, kButton, u"ドリル", 164, 128, 30, 14, kStyleNone},  // push button
    {1005, kButton, u"詳細", 206, 2, 30, 14, kStyleNone},  // push button
    {-1, kStatic, u"下図⇒", 176, 6, 27, 8, kStyleNone},  // static
};
}  // namespace

extern const DialogTemplate kDialog111{111, u"推   論", 242, 145, u"system", 10, kControls};

}  // namespace vl::res
