// Dialog template 112: "証    明".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 197, 122, 35, 14, kStyleDefault},  // push button (default)
    {142, kCombo, u"", 10, 5, 180, 65, kStyleSort},  // drop-down list, sorted
    {133, kButton, u"ドリル", 197, 5, 35, 14, kStyleNone},  // push button
};
}  // namespace

extern const DialogTemplate kDialog112{112, u"証    明", 240, 142, u"system", 10, kControls};

}  // namespace vl::res
