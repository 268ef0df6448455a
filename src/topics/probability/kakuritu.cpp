#include "topics/probability/kakuritu.h"

namespace vl {

CKakuritu::CKakuritu(Window* parent) : TopicDialog(105, parent) {}

}  // namespace vl
