// Dialog template 104: "組合せ".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 190, 122, 35, 14, kStyleDefault},  // push button (default)
    {-1, kStatic, u"n個の異なるものから r個ずつとった組合せの数を", 15, 9, 185, 8, kStyleNone},  // static
    {-1, kStatic, u"nCrで表す。", 12, 29, 50, 8, kStyleNone},  // static
    {-1, kStatic, u"nCr＝", 70, 28, 22, 8, kStyleNone},  // static
    {-1, kStatic, u"n(n-1)(n-2)･･･(n-r+1)", 100, 20, 95, 8, kStyleNone},  // static
    {1001, kStatic, u"1･2･3･･･r", 110, 33, 46, 8, kStyleNone},  // static (denominator of the formula)
    {105, kEdit, u"", 11, 49, 15, 14, kStyleNone, 5},  // edit (n)
    {-1, kStatic, u"個の異なるものから", 29, 52, 75, 8, kStyleNone},  // static
    {106, kEdit, u"", 106, 49, 15, 13, kStyleNone, 5},  // edit (r)
    {-1, kStatic, u"個ずつとった、", 124, 52, 60, 8, kStyleNone},  // static
    {-1, kStatic, u"組合せの数は何通りか。", 11, 67, 98, 8, kStyleNone},  // static
    {101, kButton, u"開始", 190, 47, 35, 14, kStyleNone},  // push button
    {133, kButton, u"ドリル", 190, 71, 36, 14, kStyleNone},  // push button
    {-1, kGroup, u"", 5, 2, 221, 42, kStyleNone},  // group box
};
}  // namespace

extern const DialogTemplate kDialog104{104, u"組合せ", 232, 144, u"system", 10, kControls};

}  // namespace vl::res
