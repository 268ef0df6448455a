// The drill: a random exercise of a topic's kind, its worked answer on "答え".
#pragma once
#include <cstdint>

#include "drill/drill_pages.h"
#include "platform/window.h"

namespace vl {

class CDrill : public Dialog, public DrillPage {
 public:
  // topic: the drill code; subMode: the variant some codes take.
  CDrill(Window* parent, int16_t topic, int16_t subMode = 0);
  std::u16string Reading() const override;  // drill_reading.cpp

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void OnAnswer();
  static const MessageEntry<CDrill> kMessages[];
};

}  // namespace vl
