// Dialog template 105: "確  率".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 196, 102, 30, 14, kStyleDefault},  // push button (default)
    {-1, kStatic, u"さいころを振って、それぞれの目の出る確率を求める。", 7, 5, 205, 8, kStyleNone},  // static
    {-1, kStatic, u"テストのボタンを押して下さい。", 10, 15, 120, 8, kStyleNone},  // static
    {111, kButton, u"ﾃｽﾄ1", 196, 20, 32, 14, kStyleNone},  // push button
    {112, kButton, u"ﾃｽﾄ10", 196, 40, 31, 14, kStyleNone},  // push button
    {-1, kStatic, u"出た目", 20, 30, 25, 8, kStyleNone},  // static
    {-1, kStatic, u"統計的", 90, 25, 25, 8, kStyleNone},  // static
    {-1, kStatic, u"数学的", 135, 25, 25, 8, kStyleNone},  // static
    {-1, kStatic, u"確率", 95, 35, 20, 8, kStyleNone},  // static
    {-1, kStatic, u"確率", 140, 35, 17, 8, kStyleNone},  // static
    {-1, kStatic, u"回数", 60, 30, 19, 8, kStyleNone},  // static
};
}  // namespace

extern const DialogTemplate kDialog105{105, u"確  率", 234, 122, u"system", 10, kControls};

}  // namespace vl::res
