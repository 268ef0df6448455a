// Topic dialog on template 101.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CKazu1 : public TopicDialog {
 public:
  explicit CKazu1(Window* parent = nullptr);
};

}  // namespace vl
