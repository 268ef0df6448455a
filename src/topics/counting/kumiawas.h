// Combinations nCr as the fraction n(n-1)...(n-r+1) over 1*2*...*r: an arrangement divided by
// the number of its orders.
#pragma once
#include <cstdint>
#include <string>

#include "topics/topic_dialog.h"

namespace vl {

class CKumiawas : public TopicDialog {
 public:
  explicit CKumiawas(Window* parent = nullptr);

  Text<64> m_szNumer;
  Text<64> m_szDenom;
  Text<64> m_szValue;
  Text<64> m_szEqual;
  int16_t m_nN = 2;
  int16_t m_nR = 2;

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
