// Topic dialog on template 113.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CArrange : public TopicDialog {
 public:
  explicit CArrange(Window* parent = nullptr);
};

}  // namespace vl
