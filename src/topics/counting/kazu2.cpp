#include "topics/counting/kazu2.h"

namespace vl {

CKazu2::CKazu2(Window* parent) : TopicDialog(102, parent) {}

}  // namespace vl
