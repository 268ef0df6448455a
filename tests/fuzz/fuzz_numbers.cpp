// The checks of a typed number and its 16-bit reading must agree and never misbehave.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "notation/notation.h"
#include "platform/runtime.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::u16string text(size / 2, u'\0');
  std::memcpy(text.data(), data, text.size() * 2);  // the bytes need not be aligned
  int u = vl::IsUnsignedInteger(text);
  int s = vl::IsSignedInteger(text);
  int d = vl::IsDecimalNumber(text);
  // Digits only pass every check; anything signed or decimal that passes is read safely.
  if (u == 0 && (s != 0 || d < 0)) std::abort();
  if (s == 0 && d < 0) std::abort();
  auto v = vl::ReadInt16(text);
  if (v && u == 0 && *v < 0) std::abort();  // an unsigned text never reads negative
  (void)vl::ReadInt32(text);
  (void)vl::ReadDouble(text);
  return 0;
}
