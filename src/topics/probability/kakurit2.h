// Topic dialog on template 115.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CKakurit2 : public TopicDialog {
 public:
  explicit CKakurit2(Window* parent = nullptr);

  // Which of the class's two topics it shows (set before DoModal).
  int16_t m_nMode = 0;
};

}  // namespace vl
