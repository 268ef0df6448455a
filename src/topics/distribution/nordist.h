// The normal distribution: density, mean and variance, standardisation and P(X < a) reduced
// to the table value (mode 0); the 95 % confidence interval of a population mean (mode 1).
#pragma once
#include <cstdint>

#include "topics/distribution/distribution_dialog.h"

namespace vl {

class CNorDist : public DistributionDialog {
 public:
  explicit CNorDist(Window* parent = nullptr);

  // The entries in tenths: a (or the sample size n), the mean av and the standard deviation.
  // Held in 32 bits, so that a sample of several thousand still fits ten times over.
  int32_t m_nA10 = 100;
  int32_t m_nAv10 = 42;
  int32_t m_nSd10 = 28;

  void OnStart();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void PaintNormal(Dc& dc);
  void PaintMean(Dc& dc);
};

}  // namespace vl
