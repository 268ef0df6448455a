#include "platform/recording_dc.h"

namespace vl {

Size ReferenceTextExtent(const Font& f, std::u16string_view text) {
  const int h = f.height < 0 ? -f.height : f.height;
  int w = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c == 0) break;
    bool half = c <= 0x00FF || (c >= 0xFF61 && c <= 0xFF9F);
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) ++i;  // one character, two units
    w += half ? h / 2 : h;
  }
  return {w, h};
}

TextMetrics ReferenceMetrics(const Font& f) {
  const int h = f.height < 0 ? -f.height : f.height;
  return TextMetrics{h, h / 2, 0, h - h / 8};
}

}  // namespace vl
