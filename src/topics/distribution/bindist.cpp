#include "topics/distribution/bindist.h"

namespace vl {

CBindist::CBindist(Window* parent) : TopicDialog(116, parent) {}

}  // namespace vl
