// Dialog template 101: "場合の数（積の法則）".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 228, 116, 35, 14, kStyleDefault},  // push button (default)
    {-1, kStatic, u"二つの事柄Ａ，Ｂがあり、これらの起り方は互いに無関係であ", 15, 7, 225, 8, kStyleNone},  // static
    {-1, kStatic, u"るとする。Ａはｍ通りの方法で起り、Ｂはｎ通りの方法で起ると", 11, 17, 240, 8, kStyleNone},  // static
    {-1, kStatic, u"すると、ＡとＢとがともに起る場合の数はｍｎ通りである。", 11, 27, 220, 8, kStyleNone},  // static
    {101, kButton, u"開始", 228, 48, 35, 14, kStyleNone},  // push button
    {102, kEdit, u"", 10, 40, 20, 13, kStyleNone, 5},  // edit, border, auto horizontal scroll
    {-1, kStatic, u"個のさいころを投げるとき、すべて偶数の目が", 33, 43, 175, 8, kStyleNone},  // static
    {-1, kStatic, u"出る場合の数はいくらか。(2－４を代入）", 10, 55, 155, 8, kStyleNone},  // static
    {133, kButton, u"ドリル", 228, 73, 35, 14, kStyleNone},  // push button
    {-1, kGroup, u"", 7, 0, 256, 38, kStyleNone},  // group box
};
}  // namespace

extern const DialogTemplate kDialog101{101, u"場合の数（積の法則）", 270, 138, u"system", 10, kControls};

}  // namespace vl::res
