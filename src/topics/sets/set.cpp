#include "topics/sets/set.h"

namespace vl {

CSet::CSet(Window* parent) : TopicDialog(108, parent) {}

}  // namespace vl
