#include "topics/statistics/graph.h"

namespace vl {

CGraph::CGraph(Window* parent) : TopicDialog(114, parent) {}

}  // namespace vl
