// printf-style formatting into fixed UTF-16 buffers, truncating at the capacity.
// Arguments are typed values, so a format that does not match its arguments prints what it
// can and never reads memory it was not given.
#pragma once
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "platform/text.h"

namespace vl {

class FormatArg {
 public:
  FormatArg(int v) : v_(static_cast<int64_t>(v)) {}
  FormatArg(long v) : v_(static_cast<int64_t>(v)) {}
  FormatArg(long long v) : v_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned v) : v_(static_cast<int64_t>(v)) {}
  FormatArg(short v) : v_(static_cast<int64_t>(v)) {}
  // Counts such as a size_t; values past the signed range print as its largest value.
  FormatArg(unsigned long v) : FormatArg(static_cast<unsigned long long>(v)) {}
  FormatArg(unsigned long long v) : v_(static_cast<int64_t>(v > kMaxSigned ? kMaxSigned : v)) {}
  FormatArg(double v) : v_(v) {}
  FormatArg(float v) : v_(static_cast<double>(v)) {}
  FormatArg(char16_t c) : v_(c) {}
  FormatArg(const char16_t* s) : v_(std::u16string_view(s ? s : u"")) {}
  FormatArg(std::u16string_view s) : v_(s) {}
  FormatArg(const std::u16string& s) : v_(std::u16string_view(s)) {}
  template <size_t N>
  FormatArg(const Text<N>& t) : v_(t.view()) {}

  const std::variant<int64_t, double, char16_t, std::u16string_view>& value() const { return v_; }

 private:
  static constexpr unsigned long long kMaxSigned = 0x7FFFFFFFFFFFFFFFull;
  std::variant<int64_t, double, char16_t, std::u16string_view> v_;
};

// Formats into a string of at most capacity - 1 characters (a buffer of capacity characters
// with its terminator). Conversions: %d %i %ld %u %x %X %c %s %f %e %g %%, with flags
// (- + blank 0 #), width and precision.
std::u16string FormatString(size_t capacity, std::u16string_view format,
                            std::initializer_list<FormatArg> args);

template <size_t N, class... Args>
size_t FormatText(Text<N>& out, std::u16string_view format, const Args&... args) {
  out = FormatString(N, format, {FormatArg(args)...});
  return out.size();
}

}  // namespace vl
