// Dialog template 114: "グラフ".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 198, 120, 35, 14, kStyleDefault},  // default push button
    {-1, kStatic, u"ヒストグラム", 15, 3, 56, 8, kStyleNone},  // static
    {-1, kStatic, u"累積度数グラフ", 128, 3, 60, 8, kStyleNone},  // static
};
}  // namespace

extern const DialogTemplate kDialog114{114, u"グラフ", 242, 142, u"system", 10, kControls};

}  // namespace vl::res
