#include "notation/notation.h"

namespace vl {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSign(char16_t c) { return c == u'+' || c == u'-'; }

}  // namespace

int IsUnsignedInteger(std::u16string_view text) {
  for (char16_t c : text) {
    if (!IsDigit(c)) return -1;
  }
  return 0;
}

int IsSignedInteger(std::u16string_view text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsDigit(text[i])) continue;
    if (i == 0 && IsSign(text[i])) continue;
    return -1;
  }
  return 0;
}

int IsDecimalNumber(std::u16string_view text) {
  int point = 0;
  bool seen = false;
  for (size_t i = 0; i < text.size(); ++i) {
    char16_t c = text[i];
    if (IsDigit(c)) continue;
    if (i == 0 && IsSign(c)) continue;
    if (c == u'.' && !seen) {
      seen = true;
      point = static_cast<int>(i);
      continue;
    }
    return -1;
  }
  return point;
}

}  // namespace vl
