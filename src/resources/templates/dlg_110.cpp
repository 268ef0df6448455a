// Dialog template 110: "ドリル".
#include "resources/templates/templates.h"

namespace vl::res {

namespace {
using enum ControlKind;

constexpr ControlTemplate kControls[] = {
    {1, kButton, u"終了", 184, 120, 35, 14, kStyleDefault},  // default push button
    {140, kButton, u"答え", 184, 65, 35, 14, kStyleNone},  // push button
    // Marking, in the free column above "答え": the pupil's number, "採点" and the verdict.
    {141, kEdit, u"", 190, 18, 36, 12, kStyleNone, 12},
    {142, kButton, u"採点", 190, 32, 36, 14, kStyleNone},
    {143, kStatic, u"", 189, 48, 40, 16, kStyleNoPrefix},
    // The self-assessment of a proof or a set, shown once the answer is.
    {144, kButton, u"できた", 190, 16, 36, 14, kStyleHidden},
    {145, kButton, u"まだ", 190, 32, 36, 14, kStyleHidden},
};
}  // namespace

extern const DialogTemplate kDialog110{110, u"ドリル", 229, 142, u"system", 10, kControls};

}  // namespace vl::res
