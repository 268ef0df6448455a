// Dialog template 108: "集  合".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 222, 117, 30, 14, kStyleDefault},  // push button (default)
    {-1, kGroup, u"項目選択", 170, 35, 75, 67, kStyleNone},  // group box
    {-1, kStatic, u"１クラス", 8, 5, 35, 8, kStyleNone},  // static
    {122, kEdit, u"", 48, 2, 18, 13, kStyleNone, 5},  // edit, border, auto horizontal scroll, 5 characters
    {-1, kStatic, u"人の中で男子は", 68, 5, 57, 8, kStyleNone},  // static
    {123, kEdit, u"", 128, 2, 18, 13, kStyleNone, 5},  // edit, 5 characters
    {-1, kStatic, u"人です。眼鏡を", 151, 5, 60, 8, kStyleNone},  // static
    {-1, kStatic, u"かけている生徒は", 7, 20, 64, 8, kStyleNone},  // static
    {124, kEdit, u"", 74, 17, 20, 13, kStyleNone, 5},  // edit, 5 characters
    {-1, kStatic, u"人で、その内男子は", 98, 20, 75, 8, kStyleNone},  // static
    {125, kEdit, u"", 177, 17, 18, 13, kStyleNone, 5},  // edit, 5 characters
    {-1, kStatic, u"人です。", 197, 20, 40, 8, kStyleNone},  // static
    {126, kRadio, u"女子", 175, 46, 35, 10, kStyleNone},  // auto radio button
    {127, kRadio, u"女子で眼鏡", 175, 59, 59, 10, kStyleNone},  // auto radio button
    {128, kRadio, u"眼鏡なし", 175, 73, 43, 10, kStyleNone},  // auto radio button
    {129, kRadio, u"女子で眼鏡なし", 175, 87, 65, 10, kStyleNone},  // auto radio button
    {133, kButton, u"ドリル", 179, 117, 30, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog108{108, u"集  合", 261, 139, u"system", 10, kControls};

}  // namespace vl::res
