// The product rule: how many ways n dice all show an even face, with an animated tree that
// walks through the outcomes one by one.
#pragma once
#include <cstdint>
#include <string>

#include "topics/topic_dialog.h"

namespace vl {

class CKazu1 : public TopicDialog {
 public:
  explicit CKazu1(Window* parent = nullptr);

  static constexpr int kTimerId = 1;
  static constexpr int kPeriodMs = 2500;

  int16_t m_nDice = 2;
  int16_t m_nStep = -1;  // 0: nothing highlighted yet; 1..3^n: that outcome is highlighted

  void OnStart();
  void OnDrill();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  void OnTimer(int id) override;
  void OnClose() override;
  bool OnCommand(int id, int code) override;
};

}  // namespace vl
