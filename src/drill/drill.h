// The drill: a random exercise of a topic's kind, its worked answer on "答え".
#pragma once
#include <cstdint>

#include "notation/page_members.h"
#include "platform/window.h"

namespace vl {

class CDrill : public Dialog, public PageMembers {
 public:
  // topic: the drill code; subMode: the variant some codes take.
  CDrill(Window* parent, int16_t topic, int16_t subMode = 0);

  int16_t m_nTopic;
  int16_t m_nSubMode;
  int16_t m_bShowAnswer = 0;
};

}  // namespace vl
