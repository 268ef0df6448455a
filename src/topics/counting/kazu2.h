// The sum rule: how many ways exactly one of n dice shows a six, as n cases that cannot happen
// together.
#pragma once
#include <cstdint>
#include <string>

#include "topics/topic_dialog.h"

namespace vl {

class CKazu2 : public TopicDialog {
 public:
  explicit CKazu2(Window* parent = nullptr);

  Text<64> m_aszDieName[4];
  Text<64> m_aszCase[4];
  int16_t m_nDice = 2;

  void OnStart();
  void OnDrill();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;
};

}  // namespace vl
