// Dialog template 117: "正規分布".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 226, 139, 30, 14, kStyleDefault},  // push button (default)
    {153, kEdit, u"", 45, 77, 25, 13, kStyleNone, 5},  // edit (a or n)
    {156, kEdit, u"", 108, 77, 25, 13, kStyleNone, 5},  // edit (av)
    {157, kEdit, u"", 175, 77, 25, 14, kStyleNone, 5},  // edit (standard deviation)
    {101, kButton, u"開始", 227, 77, 30, 14, kStyleNone},  // push button
    {152, kStatic, u"標本数 n", 7, 80, 35, 8, kStyleNone},  // static, label of edit 153
    {155, kStatic, u"平均  av", 76, 80, 30, 8, kStyleNone},  // static, label of edit 156
    {160, kStatic, u"標準偏差", 139, 80, 33, 8, kStyleNone},  // static, label of edit 157
};
}  // namespace

extern const DialogTemplate kDialog117{117, u"正規分布", 265, 161, u"system", 10, kControls};

}  // namespace vl::res
