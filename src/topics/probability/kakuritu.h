// Topic dialog on template 105.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CKakuritu : public TopicDialog {
 public:
  explicit CKakuritu(Window* parent = nullptr);
};

}  // namespace vl
