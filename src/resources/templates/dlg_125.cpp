// Dialog template 125: "プリント作成", the worksheet maker.
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

// The check boxes' texts are the drill kinds' names, set when the dialog opens.
constexpr ControlTemplate kControls[] = {
    {-1, kGroup, u"問題の種類", 7, 5, 246, 86},
    {150, kCheck, u"", 14, 18, 76, 12},
    {151, kCheck, u"", 94, 18, 76, 12},
    {152, kCheck, u"", 174, 18, 76, 12},
    {153, kCheck, u"", 14, 36, 76, 12},
    {154, kCheck, u"", 94, 36, 76, 12},
    {155, kCheck, u"", 174, 36, 76, 12},
    {156, kCheck, u"", 14, 54, 76, 12},
    {157, kCheck, u"", 94, 54, 76, 12},
    {158, kCheck, u"", 174, 54, 76, 12},
    {159, kCheck, u"", 14, 72, 76, 12},
    {160, kCheck, u"", 94, 72, 76, 12},
    {161, kCheck, u"", 174, 72, 76, 12},
    {-1, kStatic, u"問題数", 10, 108, 44, 8},
    {170, kEdit, u"", 58, 105, 26, 14, kStyleNone, 2},
    {-1, kStatic, u"(1～40)", 88, 108, 40, 8},
    {-1, kStatic, u"版の数", 136, 108, 44, 8},
    {171, kEdit, u"", 184, 105, 22, 14, kStyleNone, 2},
    {-1, kStatic, u"(1～10)", 210, 108, 40, 8},
    {-1, kStatic, u"題名", 10, 128, 44, 8},
    {172, kEdit, u"", 58, 125, 192, 14, kStyleWords, 40},
    {-1, kStatic, u"乱数の種", 10, 148, 44, 8},
    {173, kEdit, u"", 58, 145, 70, 14, kStyleNone, 10},
    {180, kButton, u"プレビュー", 7, 168, 58, 14, kStyleDefault},
    {181, kButton, u"PDF保存...", 69, 168, 58, 14},
    {182, kButton, u"印刷...", 131, 168, 58, 14},
    {2, kButton, u"閉じる", 195, 168, 58, 14},
};
}  // namespace

extern const DialogTemplate kDialog125{125, u"プリント作成", 260, 188, u"system", 10, kControls};

}  // namespace vl::res
