#include "topics/counting/kazu1.h"

namespace vl {

CKazu1::CKazu1(Window* parent) : TopicDialog(101, parent) {}

}  // namespace vl
