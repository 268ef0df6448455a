#include "topics/sets/induct.h"

namespace vl {

CInduct::CInduct(Window* parent) : TopicDialog(111, parent) {}

}  // namespace vl
