#include "topics/distribution/nordist.h"

namespace vl {

CNorDist::CNorDist(Window* parent) : TopicDialog(117, parent) {}

}  // namespace vl
