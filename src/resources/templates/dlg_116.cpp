// Dialog template 116: "２項分布".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 208, 120, 35, 14, kStyleDefault},  // push button (default)
    {153, kEdit, u"", 51, 64, 20, 13, kStyleNone, 5},  // edit (n)
    {154, kEdit, u"", 116, 64, 20, 13, kStyleNone, 5},  // edit (k)
    {152, kStatic, u"Static", 19, 66, 30, 8, kStyleNone},  // static, label of edit 153 (text set at start-up)
    {155, kStatic, u"Static", 85, 66, 30, 8, kStyleNone},  // static, label of edit 154 (text set at start-up)
    {101, kButton, u"開始", 209, 64, 35, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog116{116, u"２項分布", 253, 140, u"system", 10, kControls};

}  // namespace vl::res
