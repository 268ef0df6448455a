#include "topics/probability/kakurit2.h"

namespace vl {

CKakurit2::CKakurit2(Window* parent) : TopicDialog(115, parent) {}

}  // namespace vl
