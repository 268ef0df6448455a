// Dialog template 106: "統    計".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 239, 137, 30, 14, kStyleDefault},  // default push button
    {-1, kStatic, u"度数f を入れて下さい。", 159, 5, 86, 8, kStyleNone},  // static
    {-1, kStatic, u"（黄色部分をクリック）", 154, 15, 90, 8, kStyleNone},  // static
    {-1, kStatic, u"階級の幅  ｃ＝１０", 159, 29, 75, 8, kStyleNone},  // static
    {-1, kStatic, u"仮の平均  ａ＝５５", 159, 39, 80, 8, kStyleNone},  // static
    {-1, kStatic, u"ｕ＝（ｘ－５５）／ｃ", 159, 48, 80, 8, kStyleNone},  // static
    {-1, kStatic, u"平均 m ", 160, 60, 25, 8, kStyleNone},  // static
    {-1, kStatic, u"標準偏差 s", 159, 72, 40, 8, kStyleNone},  // static
    {113, kEdit, u"", 250, 4, 20, 13, kStyleNone, 5},  // edit (border, auto-scroll, tab stop)
    {114, kButton, u"入力", 250, 19, 21, 14, kStyleNone},  // push button
    {115, kEdit, u"", 161, 106, 20, 13, kStyleNone, 5},  // edit
    {116, kButton, u"偏差値", 159, 120, 27, 14, kStyleNone},  // push button
    {-1, kStatic, u"点の偏差値は", 185, 109, 50, 8, kStyleNone},  // static
    {147, kButton, u"グラフ", 195, 137, 33, 14, kStyleNone},  // push button
    {1002, kFrame, u"", 189, 58, 80, 12, kStyleBorder},  // static, gray frame
    {1003, kFrame, u"", 167, 81, 102, 24, kStyleBorder},  // static, gray frame
    {1004, kFrame, u"", 189, 120, 79, 13, kStyleBorder},  // static, gray frame
};
}  // namespace

extern const DialogTemplate kDialog106{106, u"統    計", 281, 156, u"system", 10, kControls};

}  // namespace vl::res
