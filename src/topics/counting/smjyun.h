// Permutations of like items as shortest routes on a street grid: choosing which E of the E + N
// steps go east gives (E+N)C(E) routes.
#pragma once
#include <cstdint>
#include <string>

#include "topics/topic_dialog.h"

namespace vl {

class CSmJyun : public TopicDialog {
 public:
  explicit CSmJyun(Window* parent = nullptr);

  int16_t m_nEast = 3;
  int16_t m_nNorth = 2;

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
