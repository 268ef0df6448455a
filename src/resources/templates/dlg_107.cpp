// Dialog template 107: "重複順列・重複組合せ".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 200, 108, 35, 14, kStyleDefault},  // push button (default)
    {117, kEdit, u"", 13, 5, 20, 13, kStyleNone, 5},  // edit, border, auto horizontal scroll
    {-1, kStatic, u"人の選挙人が", 39, 6, 54, 8, kStyleNone},  // static
    {118, kEdit, u"", 95, 5, 17, 13, kStyleNone, 5},  // edit, border, auto horizontal scroll
    {-1, kStatic, u"人の候補者に投票する。", 116, 6, 90, 8, kStyleNone},  // static
    {-1, kGroup, u"選択", 182, 15, 57, 40, kStyleNone},  // group box
    {119, kRadio, u"記名投票", 186, 25, 45, 10, kStyleNone},  // auto radio button
    {120, kRadio, u"無記名投票", 186, 40, 49, 10, kStyleNone},  // auto radio button
    {101, kButton, u"開始", 200, 60, 35, 14, kStyleNone},  // push button
    {133, kButton, u"ドリル", 200, 84, 35, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog107{107, u"重複順列・重複組合せ", 250, 124, u"system", 10, kControls};

}  // namespace vl::res
