// The drill's exercise parameters: a fixed set of 16-bit slots that a generator fills from the
// C generator and a page reads. Generators are pure: slots in, slots out, one generator state.
#pragma once
#include <cstdint>

#include "platform/runtime.h"

namespace vl {

struct DrillSlots {
  int16_t m_nSubMode = 0;
  int16_t m_nA = 0, m_nB = 0, m_nC = 0, m_nD = 0, m_nE = 0, m_nF = 0, m_nG = 0, m_nH = 0;
  int16_t m_nAns = 0;
  int16_t m_nAux1 = 0, m_nAux2 = 0;
  int16_t m_nP = 0, m_nQ = 0;
};

// Draws the exercise of a drill code: every draw is rand() % k, in a fixed order per code.
// A code without a generator returns the slots unchanged and draws nothing.
DrillSlots GenerateDrill(int16_t code, DrillSlots slots, CRandom& rng);

// top * (top - 1) * ... over count factors, in 16-bit arithmetic; 1 when count <= 0.
int16_t FallingProduct(int top, int count);
// C(top, k) by the loop value = value * (top - i) / (i + 1), each product taken as 16 bits.
int16_t Binomial16(int top, int k);

}  // namespace vl
