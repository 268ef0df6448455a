// Topic dialog on template 116.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CBindist : public TopicDialog {
 public:
  explicit CBindist(Window* parent = nullptr);

  // Which of the class's two topics it shows (set before DoModal).
  int16_t m_nMode = 0;
};

}  // namespace vl
