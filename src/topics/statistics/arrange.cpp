#include "topics/statistics/arrange.h"

namespace vl {

CArrange::CArrange(Window* parent) : TopicDialog(113, parent) {}

}  // namespace vl
