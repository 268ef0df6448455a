// Dialog template 119: "学習記録".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

// "もう一度" beside each of the last 20 attempts, shown on the wrong ones.
#define VL_AGAIN(i) {200 + (i), kButton, u"もう一度", 352, 16 + 10 * (i), 36, 10, kStyleHidden}

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"閉じる", 336, 222, 52, 14, kStyleDefault},
    {190, kButton, u"CSVに保存…", 272, 222, 56, 14, kStyleNone},
    VL_AGAIN(0),  VL_AGAIN(1),  VL_AGAIN(2),  VL_AGAIN(3),  VL_AGAIN(4),
    VL_AGAIN(5),  VL_AGAIN(6),  VL_AGAIN(7),  VL_AGAIN(8),  VL_AGAIN(9),
    VL_AGAIN(10), VL_AGAIN(11), VL_AGAIN(12), VL_AGAIN(13), VL_AGAIN(14),
    VL_AGAIN(15), VL_AGAIN(16), VL_AGAIN(17), VL_AGAIN(18), VL_AGAIN(19),
};
#undef VL_AGAIN
}  // namespace

extern const DialogTemplate kDialog119{119, u"学習記録", 394, 242, u"system", 10, kControls};

}  // namespace vl::res
