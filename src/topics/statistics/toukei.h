// Topic dialog on template 106.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CToukei : public TopicDialog {
 public:
  explicit CToukei(Window* parent = nullptr);
};

}  // namespace vl
