// Topic dialog on template 111.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CInduct : public TopicDialog {
 public:
  explicit CInduct(Window* parent = nullptr);
};

}  // namespace vl
