// Topic dialog on template 104.
#pragma once
#include "topics/topic_dialog.h"

namespace vl {

class CKumiawas : public TopicDialog {
 public:
  explicit CKumiawas(Window* parent = nullptr);
};

}  // namespace vl
