// Permutations and combinations with repetition, told as an election: V voters each vote for
// one of K candidates, by named ballot (K^V) or by secret ballot (kHv).
#pragma once
#include <cstdint>
#include <string>

#include "topics/topic_dialog.h"

namespace vl {

class CJyufuku : public TopicDialog {
 public:
  explicit CJyufuku(Window* parent = nullptr);

  int16_t m_nVoters = 10;
  int16_t m_nCandidates = 2;
  int16_t m_nSecret = 0;  // 0: named ballot, 1: secret ballot

  void OnStart();
  void OnNamed();
  void OnSecret();
  void OnDrill();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void PaintNamed(Dc& dc);
  void PaintSecret(Dc& dc);
};

}  // namespace vl
