#include "topics/counting/smjyun.h"

namespace vl {

CSmJyun::CSmJyun(Window* parent) : TopicDialog(109, parent) {}

}  // namespace vl
