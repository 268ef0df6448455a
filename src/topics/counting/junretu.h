// Topic dialog on template 103.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CJunretu : public TopicDialog {
 public:
  explicit CJunretu(Window* parent = nullptr);
};

}  // namespace vl
