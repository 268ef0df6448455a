#include "platform/runtime.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <string>

namespace vl {

namespace {
std::optional<int64_t> g_fixedTime;

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

// Parses blanks, sign and digits; returns the magnitude clamped to limit+1 and the sign.
int64_t ReadLeadingInteger(std::u16string_view s, int64_t limit) {
  size_t i = 0;
  while (i < s.size() && IsBlank(s[i])) ++i;
  bool neg = false;
  if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) neg = s[i++] == u'-';
  int64_t v = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    v = v * 10 + (s[i] - u'0');
    if (v > limit) v = limit + 1;  // keep counting digits without overflowing
  }
  return neg ? -v : v;
}
}  // namespace

CRandom& CRandom::Global() {
  static CRandom g;
  return g;
}

int64_t Clock::Now() {
  if (g_fixedTime) return *g_fixedTime;
  using namespace std::chrono;
  return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

void Clock::SetFixed(std::optional<int64_t> seconds) { g_fixedTime = seconds; }

std::optional<int16_t> ReadInt16(std::u16string_view text) {
  int64_t v = ReadLeadingInteger(text, 40000);
  if (v < INT16_MIN || v > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(v);
}

int32_t ReadInt32(std::u16string_view text) {
  int64_t v = ReadLeadingInteger(text, int64_t{INT32_MAX} + 1);
  if (v > INT32_MAX) return INT32_MAX;
  if (v < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(v);
}

double ReadDouble(std::u16string_view text) {
  // Only the characters a decimal number can hold matter; anything else ends the number.
  std::string ascii;
  for (char16_t c : text) {
    bool numeric = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'.' ||
                   c == u'e' || c == u'E' || IsBlank(c);
    if (!numeric) break;  // no hexadecimal, "inf" or "nan" readings
    ascii.push_back(static_cast<char>(c));
  }
  errno = 0;
  return std::strtod(ascii.c_str(), nullptr);
}

}  // namespace vl
