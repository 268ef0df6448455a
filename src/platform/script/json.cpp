#include "platform/script/json.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/text.h"

namespace vl {

namespace {
const std::string kEmptyString;
const Json::Array kEmptyArray;
const Json::Object kEmptyObject;
const Json kNull;

void DumpString(const std::string& s, std::string& out) {
  out.push_back('"');
  for (unsigned char c : s) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  out.push_back('"');
}

void DumpValue(const Json& j, std::string& out) {
  if (j.IsNull()) {
    out += "null";
  } else if (j.IsBool()) {
    out += j.AsBool() ? "true" : "false";
  } else if (j.IsNumber()) {
    double d = j.AsNumber();
    char buf[32];
    if (std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e15)
      std::snprintf(buf, sizeof buf, "%.0f", d);
    else if (std::isfinite(d))
      std::snprintf(buf, sizeof buf, "%.17g", d);
    else
      std::snprintf(buf, sizeof buf, "null");
    out += buf;
  } else if (j.IsString()) {
    DumpString(j.AsString(), out);
  } else if (j.IsArray()) {
    out.push_back('[');
    bool first = true;
    for (auto& e : j.AsArray()) {
      if (!first) out.push_back(',');
      first = false;
      DumpValue(e, out);
    }
    out.push_back(']');
  } else {
    out.push_back('{');
    bool first = true;
    for (auto& [k, v] : j.AsObject()) {
      if (!first) out.push_back(',');
      first = false;
      DumpString(k, out);
      out.push_back(':');
      DumpValue(v, out);
    }
    out.push_back('}');
  }
}

class Parser {
 public:
  explicit Parser(std::string_view s) : s_(s) {}
  std::string error;
  size_t pos = 0;

  std::optional<Json> Value(int depth) {
    if (depth > 200) return Fail("nesting too deep");
    Skip();
    if (pos >= s_.size()) return Fail("unexpected end");
    char c = s_[pos];
    if (c == '{') return ObjectValue(depth);
    if (c == '[') return ArrayValue(depth);
    if (c == '"') {
      auto str = String();
      if (!str) return std::nullopt;
      return Json(std::move(*str));
    }
    if (Literal("true")) return Json(true);
    if (Literal("false")) return Json(false);
    if (Literal("null")) return Json(nullptr);
    return Number();
  }

  std::optional<std::string> String() {
    if (pos >= s_.size() || s_[pos] != '"') return FailS("expected a string");
    ++pos;
    std::u16string u;
    std::string raw;  // UTF-8 bytes between escapes
    auto flush = [&] {
      u += Utf8ToUtf16(raw);
      raw.clear();
    };
    while (pos < s_.size()) {
      char c = s_[pos++];
      if (c == '"') {
        flush();
        return Utf16ToUtf8(u);
      }
      if (static_cast<unsigned char>(c) < 0x20) return FailS("control character in a string");
      if (c != '\\') {
        raw.push_back(c);
        continue;
      }
      if (pos >= s_.size()) break;
      char e = s_[pos++];
      switch (e) {
        case '"': raw.push_back('"'); break;
        case '\\': raw.push_back('\\'); break;
        case '/': raw.push_back('/'); break;
        case 'b': raw.push_back('\b'); break;
        case 'f': raw.push_back('\f'); break;
        case 'n': raw.push_back('\n'); break;
        case 'r': raw.push_back('\r'); break;
        case 't': raw.push_back('\t'); break;
        case 'u': {
          if (pos + 4 > s_.size()) return FailS("short \\u escape");
          char hex[5] = {s_[pos], s_[pos + 1], s_[pos + 2], s_[pos + 3], 0};
          char* end = nullptr;
          long v = std::strtol(hex, &end, 16);
          if (end != hex + 4) return FailS("bad \\u escape");
          pos += 4;
          flush();
          u.push_back(static_cast<char16_t>(v));
          break;
        }
        default: return FailS("bad escape");
      }
    }
    return FailS("unterminated string");
  }

  void Skip() {
    while (pos < s_.size() && (s_[pos] == ' ' || s_[pos] == '\n' || s_[pos] == '\r' ||
                               s_[pos] == '\t'))
      ++pos;
  }

 private:
  std::optional<Json> Fail(const char* why) {
    if (error.empty()) error = why;
    return std::nullopt;
  }
  std::optional<std::string> FailS(const char* why) {
    if (error.empty()) error = why;
    return std::nullopt;
  }
  bool Literal(std::string_view w) {
    if (s_.substr(pos, w.size()) != w) return false;
    pos += w.size();
    return true;
  }
  std::optional<Json> Number() {
    size_t start = pos;
    if (pos < s_.size() && s_[pos] == '-') ++pos;
    size_t digits = pos;
    while (pos < s_.size() && ((s_[pos] >= '0' && s_[pos] <= '9') || s_[pos] == '.' ||
                               s_[pos] == 'e' || s_[pos] == 'E' || s_[pos] == '+' ||
                               s_[pos] == '-'))
      ++pos;
    if (pos == digits) return Fail("unexpected character");
    std::string num(s_.substr(start, pos - start));
    char* end = nullptr;
    double d = std::strtod(num.c_str(), &end);
    if (end != num.c_str() + num.size()) return Fail("bad number");
    return Json(d);
  }
  std::optional<Json> ArrayValue(int depth) {
    ++pos;
    Json::Array a;
    Skip();
    if (pos < s_.size() && s_[pos] == ']') {
      ++pos;
      return Json(std::move(a));
    }
    while (true) {
      auto v = Value(depth + 1);
      if (!v) return std::nullopt;
      a.push_back(std::move(*v));
      Skip();
      if (pos < s_.size() && s_[pos] == ',') {
        ++pos;
        continue;
      }
      if (pos < s_.size() && s_[pos] == ']') {
        ++pos;
        return Json(std::move(a));
      }
      return Fail("expected , or ]");
    }
  }
  std::optional<Json> ObjectValue(int depth) {
    ++pos;
    Json::Object o;
    Skip();
    if (pos < s_.size() && s_[pos] == '}') {
      ++pos;
      return Json(std::move(o));
    }
    while (true) {
      Skip();
      auto k = String();
      if (!k) return std::nullopt;
      Skip();
      if (pos >= s_.size() || s_[pos] != ':') return Fail("expected :");
      ++pos;
      auto v = Value(depth + 1);
      if (!v) return std::nullopt;
      o.emplace_back(std::move(*k), std::move(*v));
      Skip();
      if (pos < s_.size() && s_[pos] == ',') {
        ++pos;
        continue;
      }
      if (pos < s_.size() && s_[pos] == '}') {
        ++pos;
        return Json(std::move(o));
      }
      return Fail("expected , or }");
    }
  }

  std::string_view s_;
};
}  // namespace

Json::Json(std::u16string_view s) : v_(Utf16ToUtf8(s)) {}

const std::string& Json::AsString() const {
  return IsString() ? std::get<std::string>(v_) : kEmptyString;
}
std::u16string Json::AsU16() const { return Utf8ToUtf16(AsString()); }
const Json::Array& Json::AsArray() const { return IsArray() ? std::get<Array>(v_) : kEmptyArray; }
const Json::Object& Json::AsObject() const {
  return IsObject() ? std::get<Object>(v_) : kEmptyObject;
}
Json::Array& Json::MutableArray() {
  if (!IsArray()) v_ = Array{};
  return std::get<Array>(v_);
}
Json::Object& Json::MutableObject() {
  if (!IsObject()) v_ = Object{};
  return std::get<Object>(v_);
}

const Json* Json::Find(std::string_view key) const {
  for (auto& [k, v] : AsObject())
    if (k == key) return &v;
  return nullptr;
}

const Json& Json::operator[](std::string_view key) const {
  const Json* j = Find(key);
  return j ? *j : kNull;
}

void Json::Set(std::string key, Json value) {
  auto& o = MutableObject();
  for (auto& [k, v] : o) {
    if (k == key) {
      v = std::move(value);
      return;
    }
  }
  o.emplace_back(std::move(key), std::move(value));
}

void Json::Erase(std::string_view key) {
  auto& o = MutableObject();
  for (auto it = o.begin(); it != o.end(); ++it) {
    if (it->first == key) {
      o.erase(it);
      return;
    }
  }
}

std::string Json::Dump() const {
  std::string out;
  DumpValue(*this, out);
  return out;
}

std::optional<Json> Json::Parse(std::string_view text, std::string* error) {
  Parser p(text);
  auto v = p.Value(0);
  if (v) {
    p.Skip();
    if (p.pos != text.size()) {
      v.reset();
      p.error = "trailing characters";
    }
  }
  if (!v && error) *error = p.error;
  return v;
}

std::optional<std::string> Json::ParseStringLiteral(std::string_view text, size_t* consumed) {
  Parser p(text);
  auto s = p.String();
  if (s && consumed) *consumed = p.pos;
  return s;
}

}  // namespace vl
