#include "topics/counting/kumiawas.h"

namespace vl {

CKumiawas::CKumiawas(Window* parent) : TopicDialog(104, parent) {}

}  // namespace vl
