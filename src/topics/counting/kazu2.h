// Topic dialog on template 102.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CKazu2 : public TopicDialog {
 public:
  explicit CKazu2(Window* parent = nullptr);
};

}  // namespace vl
