// Dialog template 103: "順  列".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 210, 113, 35, 14, kStyleDefault},  // push button (default)
    {-1, kStatic, u"ｎ個の異なるものからｒ個とって１列に並べる。", 12, 7, 185, 8, kStyleNone},  // static
    {-1, kStatic, u"この並べ方の数を nＰrと表す。", 9, 17, 125, 8, kStyleNone},  // static
    {-1, kStatic, u"nＰr＝n(n-1)(n-2)･･･(n-r+1)＝n!/(n-r)!", 24, 27, 155, 8, kStyleNone},  // static
    {105, kEdit, u"", 10, 41, 20, 13, kStyleNone, 5},  // edit (n)
    {-1, kStatic, u"個のものから", 35, 44, 50, 8, kStyleNone},  // static
    {106, kEdit, u"", 85, 41, 20, 13, kStyleNone, 5},  // edit (r)
    {152, kStatic, u"個をとって１列に並べる、", 110, 44, 105, 8, kStyleNone},  // static (rewritten by `OnStart`)
    {-1, kStatic, u"並べ方は何通りか。", 10, 56, 75, 8, kStyleNone},  // static
    {101, kButton, u"開始", 210, 52, 34, 14, kStyleNone},  // push button
    {133, kButton, u"ドリル", 210, 77, 35, 14, kStyleNone},  // push button
    {161, kButton, u"円順列", 210, 17, 33, 14, kStyleNone},  // push button
    {-1, kGroup, u"", 6, 0, 195, 38, kStyleNone},  // group box
};
}  // namespace

extern const DialogTemplate kDialog103{103, u"順  列", 249, 138, u"system", 10, kControls};

}  // namespace vl::res
