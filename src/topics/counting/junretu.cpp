#include "topics/counting/junretu.h"

namespace vl {

CJunretu::CJunretu(Window* parent) : TopicDialog(103, parent) {}

}  // namespace vl
