// Dialog template 119: "学習記録".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

// "もう一度" beside each of the last 20 attempts, shown on the wrong ones.
constexpr ControlTemplate Again(int i) {
  return {200 + i, kButton, u"もう一度", 352, 16 + 10 * i, 36, 10, kStyleHidden};
}

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"閉じる", 336, 222, 52, 14, kStyleDefault},
    {190, kButton, u"CSVに保存…", 272, 222, 56, 14, kStyleNone},
    Again(0),
    Again(1),
    Again(2),
    Again(3),
    Again(4),
    Again(5),
    Again(6),
    Again(7),
    Again(8),
    Again(9),
    Again(10),
    Again(11),
    Again(12),
    Again(13),
    Again(14),
    Again(15),
    Again(16),
    Again(17),
    Again(18),
    Again(19),
};
}  // namespace

extern const DialogTemplate kDialog119{119, u"学習記録", 394, 242, u"system", 10, kControls};

}  // namespace vl::res
