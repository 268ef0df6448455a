// Topic dialog on template 107.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CJyufuku : public TopicDialog {
 public:
  explicit CJyufuku(Window* parent = nullptr);
};

}  // namespace vl
