#include "topics/counting/jyufuku.h"

namespace vl {

CJyufuku::CJyufuku(Window* parent) : TopicDialog(107, parent) {}

}  // namespace vl
