// Topic dialog on template 114.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CGraph : public TopicDialog {
 public:
  explicit CGraph(Window* parent = nullptr);
};

}  // namespace vl
