#include "topics/statistics/correlate.h"

namespace vl {

CCorrelate::CCorrelate(Window* parent) : TopicDialog(118, parent) {}

}  // namespace vl
