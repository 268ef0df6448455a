#include "notation/format_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace vl {

namespace {

// Output that stops growing at the capacity, so no conversion can overrun.
class Sink {
 public:
  explicit Sink(size_t capacity) : limit_(capacity == 0 ? 0 : capacity - 1) {}
  bool Full() const { return out_.size() >= limit_; }
  void Put(char16_t c) {
    if (!Full()) out_.push_back(c);
  }
  void Put(std::u16string_view s) {
    for (char16_t c : s) {
      if (Full()) return;
      out_.push_back(c);
    }
  }
  void Repeat(char16_t c, long long n) {
    for (; n > 0 && !Full(); --n) out_.push_back(c);
  }
  std::u16string Take() {
    // Never end on half a surrogate pair.
    if (!out_.empty() && out_.back() >= 0xD800 && out_.back() <= 0xDBFF) out_.pop_back();
    return std::move(out_);
  }

 private:
  size_t limit_;
  std::u16string out_;
};

struct Directive {
  bool left = false, plus = false, blank = false, zero = false, alt = false;
  long long width = 0;
  int precision = -1;  // -1: none given
  char16_t conv = 0;
};

std::u16string Widen(std::string_view s) { return std::u16string(s.begin(), s.end()); }

// Writes prefix (sign, "0x"), then zeros (a precision's leading zeros), then digits, padded
// to the width; zero padding goes between the prefix and the digits.
void Emit(Sink& sink, const Directive& dir, std::u16string_view prefix, long long zeros,
          std::u16string_view digits, bool zeroAllowed) {
  long long pad = dir.width - static_cast<long long>(prefix.size() + digits.size()) - zeros;
  if (!dir.left && !(dir.zero && zeroAllowed)) sink.Repeat(u' ', pad);
  sink.Put(prefix);
  if (!dir.left && dir.zero && zeroAllowed) sink.Repeat(u'0', pad);
  sink.Repeat(u'0', zeros);
  sink.Put(digits);
  if (dir.left) sink.Repeat(u' ', pad);
}

std::u16string SignOf(bool negative, const Directive& dir) {
  if (negative) return u"-";
  if (dir.plus) return u"+";
  if (dir.blank) return u" ";
  return u"";
}

// Integers keep to the ranges the conversions print: %d as signed, %u and %x as unsigned.
int64_t ClampToInt64(double d) {
  if (std::isnan(d)) return 0;
  if (d >= 9.2e18) return std::numeric_limits<int64_t>::max();
  if (d <= -9.2e18) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(d);
}

void EmitInteger(Sink& sink, const Directive& dir, int64_t v) {
  const bool isSigned = dir.conv == u'd' || dir.conv == u'i';
  const int base = (dir.conv == u'x' || dir.conv == u'X') ? 16 : (dir.conv == u'o' ? 8 : 10);
  bool negative = false;
  uint64_t mag;
  if (isSigned) {
    negative = v < 0;
    mag = negative ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
  } else if (v < 0 && v >= std::numeric_limits<int32_t>::min()) {
    // A negative int printed unsigned shows its 32-bit pattern, as the C library does.
    mag = static_cast<uint32_t>(static_cast<int32_t>(v));
  } else {
    mag = static_cast<uint64_t>(v);
  }
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, mag, base);
  std::string digits(buf, res.ptr);
  if (dir.conv == u'X') std::transform(digits.begin(), digits.end(), digits.begin(), ::toupper);
  if (dir.precision == 0 && mag == 0) digits.clear();
  std::u16string prefix = isSigned ? SignOf(negative, dir) : u"";
  if (dir.alt && mag != 0 && base == 16) prefix += dir.conv == u'X' ? u"0X" : u"0x";
  // Precision is the minimum number of digits; '#' gives octal a leading zero.
  long long zeros = std::max<long long>(0, dir.precision - static_cast<long long>(digits.size()));
  if (dir.alt && base == 8 && zeros == 0 && (digits.empty() || digits[0] != '0')) zeros = 1;
  Emit(sink, dir, prefix, zeros, Widen(digits), dir.precision < 0);
}

void EmitFloat(Sink& sink, const Directive& dir, double v) {
  char conv = static_cast<char>(dir.conv);
  // Beyond this many digits every conversion only repeats zeros or exact binary digits.
  const int precision = std::min(dir.precision < 0 ? 6 : dir.precision, 1100);
  char fmt[8] = {'%', 0};
  int n = 1;
  if (dir.alt) fmt[n++] = '#';
  fmt[n++] = '.';
  fmt[n++] = '*';
  fmt[n++] = conv;
  fmt[n] = 0;
  const bool negative = std::signbit(v);
  const double mag = std::fabs(v);
  int len = std::snprintf(nullptr, 0, fmt, precision, mag);
  std::vector<char> buf(static_cast<size_t>(std::max(len, 0)) + 1);
  std::snprintf(buf.data(), buf.size(), fmt, precision, mag);
  Emit(sink, dir, SignOf(negative && !std::isnan(v), dir), 0,
       Widen(std::string_view(buf.data(), static_cast<size_t>(std::max(len, 0)))),
       std::isfinite(v));
}

void EmitText(Sink& sink, const Directive& dir, std::u16string_view s) {
  if (dir.precision >= 0) s = s.substr(0, CutLength(s, static_cast<size_t>(dir.precision)));
  Emit(sink, dir, u"", 0, s, false);
}

void Convert(Sink& sink, const Directive& dir, const FormatArg* arg) {
  if (!arg) return;  // more conversions than arguments: the missing ones print nothing
  const auto& v = arg->value();
  switch (dir.conv) {
    case u'd':
    case u'i':
    case u'u':
    case u'x':
    case u'X':
    case u'o':
      if (auto* i = std::get_if<int64_t>(&v)) return EmitInteger(sink, dir, *i);
      if (auto* d = std::get_if<double>(&v)) return EmitInteger(sink, dir, ClampToInt64(*d));
      if (auto* c = std::get_if<char16_t>(&v)) return EmitInteger(sink, dir, *c);
      return EmitText(sink, dir, std::get<std::u16string_view>(v));
    case u'f':
    case u'F':
    case u'e':
    case u'E':
    case u'g':
    case u'G': {
      Directive s = dir;
      if (s.conv == u'F') s.conv = u'f';
      if (auto* d = std::get_if<double>(&v)) return EmitFloat(sink, s, *d);
      if (auto* i = std::get_if<int64_t>(&v)) return EmitFloat(sink, s, static_cast<double>(*i));
      if (auto* c = std::get_if<char16_t>(&v)) return EmitFloat(sink, s, *c);
      return EmitText(sink, dir, std::get<std::u16string_view>(v));
    }
    case u'c':
    case u'C': {
      char16_t ch = 0;
      if (auto* i = std::get_if<int64_t>(&v)) ch = static_cast<char16_t>(*i);
      if (auto* c = std::get_if<char16_t>(&v)) ch = *c;
      if (auto* s = std::get_if<std::u16string_view>(&v)) ch = s->empty() ? 0 : (*s)[0];
      if (auto* d = std::get_if<double>(&v)) ch = static_cast<char16_t>(ClampToInt64(*d));
      // A zero character would end the text; it prints as nothing.
      std::u16string one = ch ? std::u16string(1, ch) : std::u16string();
      Directive s = dir;
      s.precision = -1;
      return EmitText(sink, s, one);
    }
    default: {  // 's', 'S'
      if (auto* s = std::get_if<std::u16string_view>(&v)) return EmitText(sink, dir, *s);
      if (auto* c = std::get_if<char16_t>(&v)) return EmitText(sink, dir, std::u16string(1, *c));
      Directive s = dir;
      s.precision = -1;
      if (auto* i = std::get_if<int64_t>(&v)) {
        s.conv = u'd';
        return EmitInteger(sink, s, *i);
      }
      s.conv = u'g';
      return EmitFloat(sink, s, std::get<double>(v));
    }
  }
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Reads a decimal count, saturating instead of overflowing.
long long ReadCount(std::u16string_view f, size_t& i) {
  long long n = 0;
  while (i < f.size() && IsDigit(f[i])) {
    if (n < 1000000000) n = n * 10 + (f[i] - u'0');
    ++i;
  }
  return n;
}

bool IsConversion(char16_t c) {
  return std::u16string_view(u"diuxXofFeEgGcCsS").find(c) != std::u16string_view::npos;
}

}  // namespace

std::u16string FormatString(size_t capacity, std::u16string_view format,
                            std::initializer_list<FormatArg> args) {
  Sink sink(capacity);
  const FormatArg* next = args.begin();
  auto take = [&]() -> const FormatArg* { return next != args.end() ? next++ : nullptr; };
  auto takeInt = [&]() -> long long {
    const FormatArg* a = take();
    if (!a) return 0;
    if (auto* i = std::get_if<int64_t>(&a->value())) return *i;
    if (auto* d = std::get_if<double>(&a->value())) return ClampToInt64(*d);
    return 0;
  };

  size_t i = 0;
  while (i < format.size() && !sink.Full()) {
    char16_t c = format[i];
    if (c == u'\0') break;
    if (c != u'%') {
      sink.Put(c);
      ++i;
      continue;
    }
    const size_t start = i++;
    Directive dir;
    for (; i < format.size(); ++i) {
      char16_t f = format[i];
      if (f == u'-')
        dir.left = true;
      else if (f == u'+')
        dir.plus = true;
      else if (f == u' ')
        dir.blank = true;
      else if (f == u'0')
        dir.zero = true;
      else if (f == u'#')
        dir.alt = true;
      else
        break;
    }
    if (i < format.size() && format[i] == u'*') {
      ++i;
      dir.width = takeInt();
      if (dir.width < 0) {
        dir.left = true;
        dir.width = -dir.width;
      }
    } else {
      dir.width = ReadCount(format, i);
    }
    if (i < format.size() && format[i] == u'.') {
      ++i;
      long long p = 0;
      if (i < format.size() && format[i] == u'*') {
        ++i;
        p = takeInt();
        if (p < 0) p = -1;
      } else {
        p = ReadCount(format, i);
      }
      dir.precision = static_cast<int>(std::min<long long>(p, 1000000000));
    }
    // Length modifiers change nothing: every argument arrives as a typed value.
    while (i < format.size() &&
           std::u16string_view(u"hlLqjzt").find(format[i]) != std::u16string_view::npos)
      ++i;
    if (i >= format.size()) {
      sink.Put(format.substr(start));  // an unfinished conversion prints as written
      break;
    }
    dir.conv = format[i++];
    if (dir.conv == u'%') {
      sink.Put(u'%');
    } else if (IsConversion(dir.conv)) {
      Convert(sink, dir, take());
    } else {
      sink.Put(format.substr(start, i - start));  // unknown conversions (%n, %p) print as written
    }
  }
  return sink.Take();
}

}  // namespace vl
