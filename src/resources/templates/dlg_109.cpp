// Dialog template 109: "同じものを含む順列".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 216, 108, 30, 14, kStyleDefault},  // push button (default)
    {101, kButton, u"開始", 216, 25, 30, 14, kStyleNone},  // push button
    {-1, kStatic, u"東西", 13, 4, 20, 8, kStyleNone},  // static
    {131, kEdit, u"", 35, 1, 20, 13, kStyleNone, 5},  // edit, border, auto horizontal scroll
    {-1, kStatic, u"本、南北", 59, 4, 35, 8, kStyleNone},  // static
    {132, kEdit, u"", 96, 1, 20, 13, kStyleNone, 5},  // edit, border, auto horizontal scroll
    {-1, kStatic, u"本の道路がある。ＡからＢに", 120, 5, 106, 8, kStyleNone},  // static
    {-1, kStatic, u"行くのに遠回りしないことにすれば、順路はいく通りあるか。", 10, 15, 235, 8, kStyleNone},  // static
    {133, kButton, u"ドリル", 216, 60, 30, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog109{109, u"同じものを含む順列", 251, 127, u"system", 10, kControls};

}  // namespace vl::res
