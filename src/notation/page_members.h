// The page members every window holds: the constant pi as typed, the two layout units that the
// notation helpers read (average character width and line height), and the scratch text.
#pragma once
#include <cstdint>

#include "platform/text.h"

namespace vl {

struct PageMembers {
  double m_dPi = 3.1415926535;
  int16_t m_nUnitX = 0;
  int16_t m_nUnitY = 0;
  Text<64> m_szText;
};

}  // namespace vl
