// Fixed-capacity UTF-16 text buffers, the program's scratch strings. A Text<N> holds at most
// N - 1 characters and a terminating zero, like a wide character array of N; anything written
// beyond that is cut off, never written past the end. A cut never leaves half a surrogate pair.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace vl {

// Length of s cut to at most max UTF-16 units without splitting a surrogate pair.
inline size_t CutLength(std::u16string_view s, size_t max) {
  if (s.size() <= max) return s.size();
  size_t n = max;
  if (n > 0 && s[n - 1] >= 0xD800 && s[n - 1] <= 0xDBFF) --n;
  return n;
}

template <size_t N>
class Text {
  static_assert(N >= 1, "a text buffer needs room for its terminator");

 public:
  static constexpr size_t kCapacity = N;

  Text() { data_[0] = 0; }
  Text(std::u16string_view s) { Assign(s); }  // NOLINT: implicit on purpose, like a literal
  Text& operator=(std::u16string_view s) {
    Assign(s);
    return *this;
  }

  void Assign(std::u16string_view s) {
    size_ = 0;
    data_[0] = 0;
    Append(s);
  }
  void Append(std::u16string_view s) {
    // Stop at an embedded zero, as a C string would.
    auto z = s.find(u'\0');
    if (z != std::u16string_view::npos) s = s.substr(0, z);
    size_t n = CutLength(s, N - 1 - size_);
    s.copy(data_ + size_, n);
    size_ += n;
    data_[size_] = 0;
  }
  void Clear() { Assign(u""); }

  const char16_t* c_str() const { return data_; }
  std::u16string_view view() const { return {data_, size_}; }
  std::u16string str() const { return std::u16string(view()); }
  size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  char16_t operator[](size_t i) const { return i < size_ ? data_[i] : u'\0'; }
  operator std::u16string_view() const { return view(); }  // NOLINT

 private:
  char16_t data_[N];
  size_t size_ = 0;
};

// UTF-8 <-> UTF-16 conversions for the edges of the program (files, command line, JSON).
// Invalid input is replaced by U+FFFD; Utf8Valid tells whether that was needed.
std::u16string Utf8ToUtf16(std::string_view s);
std::string Utf16ToUtf8(std::u16string_view s);
bool Utf8Valid(std::string_view s);

}  // namespace vl
