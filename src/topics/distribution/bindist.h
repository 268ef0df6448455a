// The binomial distribution B(n, p) with a worked example (mode 0), and the estimate of a
// population ratio from r defectives among n products (mode 1).
#pragma once
#include <cstdint>

#include "topics/distribution/distribution_dialog.h"

namespace vl {

class CBindist : public DistributionDialog {
 public:
  explicit CBindist(Window* parent = nullptr);

  int16_t m_nN = 100;  // sample size, or products drawn
  int16_t m_nK = 4;    // defect rate in percent, or defectives found

  void OnStart();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void PaintBinomial(Dc& dc);
  void PaintRatio(Dc& dc);
};

}  // namespace vl
