#include "topics/statistics/toukei.h"

namespace vl {

CToukei::CToukei(Window* parent) : TopicDialog(106, parent) {}

}  // namespace vl
