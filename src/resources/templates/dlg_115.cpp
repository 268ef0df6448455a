// Dialog template 115: "確   率".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 206, 113, 35, 14, kStyleDefault},  // push button (default)
    {1000, kStatic, u"２つのさいころを投げるとき、出る目の和が", 11, 5, 163, 8, kStyleNone},  // static
    {152, kStatic, u"になる確率を求める。", 9, 15, 170, 8, kStyleNone},  // static
    {114, kEdit, u"", 179, 2, 20, 13, kStyleNone, 5},  // edit (s or n)
    {101, kButton, u"開始", 206, 30, 35, 14, kStyleNone},  // push button
    {150, kButton, u"間違い", 206, 50, 35, 14, kStyleNone},  // push button
    {133, kButton, u"ドリル", 206, 85, 35, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog115{115, u"確   率", 246, 132, u"system", 10, kControls};

}  // namespace vl::res
