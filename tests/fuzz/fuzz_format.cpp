// printf-style formatting with any format against a fixed set of arguments stays inside its
// buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "notation/format_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  size_t capacity = data[0] % 100 + 1;
  std::u16string fmt((size - 1) / 2, u'\0');
  std::memcpy(fmt.data(), data + 1, fmt.size() * 2);  // the bytes need not be aligned
  std::u16string out = vl::FormatString(capacity, fmt, {42, -7, 3.25, u"組合せ", char16_t(u'x'),
                                                        1e300, 0.0, 65535});
  if (out.size() >= capacity) std::abort();
  vl::Text<8> small;
  vl::FormatText(small, fmt, 123456789, 2.5, u"abcdefghijklmnop");
  if (small.size() > 7) std::abort();
  return 0;
}
