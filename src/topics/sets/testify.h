// Topic dialog on template 112.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CTestify : public TopicDialog {
 public:
  explicit CTestify(Window* parent = nullptr);

  // Which of the class's two topics it shows (set before DoModal).
  int16_t m_nMode = 0;
};

}  // namespace vl
