// Topic dialog on template 108.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CSet : public TopicDialog {
 public:
  explicit CSet(Window* parent = nullptr);
};

}  // namespace vl
