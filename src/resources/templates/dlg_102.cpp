// Dialog template 102: "場合の数（和の法則）".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 224, 129, 35, 14, kStyleDefault},  // push button (default)
    {-1, kStatic, u"二つの事柄Ａ，Ｂがあり、これらは同時には起らないものとする。", 14, 10, 240, 9, kStyleNone},  // static
    {-1, kStatic, u"Ａはｍ通りの方法で起り、Ｂはｎ通りの方法で起るとすると、", 12, 20, 225, 8, kStyleNone},  // static
    {-1, kStatic, u"ＡかＢのいずれかが起る場合の数はｍ＋ｎ通りである。", 12, 30, 225, 9, kStyleNone},  // static
    {102, kEdit, u"", 9, 44, 20, 13, kStyleNone, 5},  // edit (n)
    {-1, kStatic, u"個のさいころを投げるとき、そのうちの一つだけが", 34, 46, 187, 8, kStyleNone},  // static
    {101, kButton, u"開始", 224, 47, 35, 14, kStyleNone},  // push button
    {-1, kStatic, u"６の目の出る場合の数はいくらか。(2-4を代入）", 13, 58, 183, 8, kStyleNone},  // static
    {133, kButton, u"ドリル", 224, 72, 35, 14, kStyleNone},  // push button
    {-1, kGroup, u"", 7, 2, 250, 39, kStyleNone},  // group box
};
}  // namespace

extern const DialogTemplate kDialog102{102, u"場合の数（和の法則）", 266, 149, u"system", 10, kControls};

}  // namespace vl::res
