#include "topics/sets/testify.h"

namespace vl {

CTestify::CTestify(Window* parent) : TopicDialog(112, parent) {}

}  // namespace vl
