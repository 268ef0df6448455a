// Topic dialog on template 118.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CCorrelate : public TopicDialog {
 public:
  explicit CCorrelate(Window* parent = nullptr);
};

}  // namespace vl
