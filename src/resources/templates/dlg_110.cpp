// Dialog template 110: "ドリル".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 184, 120, 35, 14, kStyleDefault},  // default push button
    {140, kButton, u"答え", 184, 65, 35, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog110{110, u"ドリル", 229, 142, u"system", 10, kControls};

}  // namespace vl::res
