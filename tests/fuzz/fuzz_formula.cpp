// The formula typesetter and the power text draw or refuse any text, never misbehave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "notation/notation.h"
#include "platform/recording_dc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);  // the bytes need not be aligned
  vl::PageMembers layout;
  layout.m_nUnitX = 8;
  layout.m_nUnitY = 16;
  vl::RecordingDc dc;
  vl::Size sz;
  int w = vl::DrawFormula(layout, dc, 10, 100, text, &sz, 0);
  if (w < -1) std::abort();
  int m = vl::DrawFormula(layout, dc, 10, 100, text, &sz, 1);
  if (m < -1) std::abort();
  if (vl::DrawPowerText(dc, layout, 10, 10, text) < 0) std::abort();
  return 0;
}
