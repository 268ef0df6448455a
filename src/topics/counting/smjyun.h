// Topic dialog on template 109.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CSmJyun : public TopicDialog {
 public:
  explicit CSmJyun(Window* parent = nullptr);
};

}  // namespace vl
