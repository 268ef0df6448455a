// A small JSON value with a writer and a strict parser, for the state the scripted host
// writes and for JSON string literals in scripts.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vl {

class Json {
 public:
  using Array = std::vector<Json>;
  // Objects keep their keys in insertion order.
  using Object = std::vector<std::pair<std::string, Json>>;

  Json() : v_(nullptr) {}
  Json(std::nullptr_t) : v_(nullptr) {}
  Json(bool b) : v_(b) {}
  Json(int i) : v_(static_cast<double>(i)) {}
  Json(long i) : v_(static_cast<double>(i)) {}
  Json(long long i) : v_(static_cast<double>(i)) {}
  Json(unsigned i) : v_(static_cast<double>(i)) {}
  Json(double d) : v_(d) {}
  Json(const char* s) : v_(std::string(s)) {}
  Json(std::string s) : v_(std::move(s)) {}
  Json(std::u16string_view s);
  Json(Array a) : v_(std::move(a)) {}
  Json(Object o) : v_(std::move(o)) {}

  bool IsNull() const { return std::holds_alternative<std::nullptr_t>(v_); }
  bool IsBool() const { return std::holds_alternative<bool>(v_); }
  bool IsNumber() const { return std::holds_alternative<double>(v_); }
  bool IsString() const { return std::holds_alternative<std::string>(v_); }
  bool IsArray() const { return std::holds_alternative<Array>(v_); }
  bool IsObject() const { return std::holds_alternative<Object>(v_); }

  bool AsBool() const { return IsBool() && std::get<bool>(v_); }
  double AsNumber() const { return IsNumber() ? std::get<double>(v_) : 0.0; }
  int AsInt() const { return static_cast<int>(AsNumber()); }
  const std::string& AsString() const;
  std::u16string AsU16() const;
  const Array& AsArray() const;
  const Object& AsObject() const;
  Array& MutableArray();
  Object& MutableObject();

  // Object member lookup; nullptr when absent or not an object.
  const Json* Find(std::string_view key) const;
  const Json& operator[](std::string_view key) const;
  void Set(std::string key, Json value);  // replaces or appends
  void Erase(std::string_view key);
  void Push(Json value) { MutableArray().push_back(std::move(value)); }

  std::string Dump() const;
  // Parses a whole JSON text; nullopt (with a reason) on any error.
  static std::optional<Json> Parse(std::string_view text, std::string* error = nullptr);
  // Parses one JSON string literal at the start of text; sets consumed to its length.
  static std::optional<std::string> ParseStringLiteral(std::string_view text, size_t* consumed);

  friend bool operator==(const Json& a, const Json& b) { return a.v_ == b.v_; }

 private:
  std::variant<std::nullptr_t, bool, double, std::string, Array, Object> v_;
};

}  // namespace vl
