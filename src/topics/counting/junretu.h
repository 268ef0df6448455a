// Permutations nPr as coloured slots to fill, and circular permutations: the same arrangement
// turned one step round a circle counts once, so the count is divided by r.
#pragma once
#include <cstdint>
#include <string>

#include "topics/topic_dialog.h"

namespace vl {

class CJunretu : public TopicDialog {
 public:
  explicit CJunretu(Window* parent = nullptr);

  Text<64> m_szExpr;
  Text<64> m_szDivisor;
  int16_t m_nN = 2;
  int16_t m_nR = 2;
  int16_t m_bCircular = 0;  // 1: the page shows the circular arrangement

  void OnStart();
  void OnCircular();
  void OnDrill();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  // Reads n and r; on acceptance stores them with the page kind and repaints.
  void Accept(bool circular);
};

}  // namespace vl
