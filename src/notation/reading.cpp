#include "notation/reading.h"

#include <cstdio>
#include <string_view>
#include <utility>

#include "platform/text.h"

namespace vl {

namespace {

enum class Kind { kOperand, kOperator, kOpen, kClose };

struct Token {
  Kind kind;
  std::u16string text;
};

// The digit a full-width, subscript or plain digit stands for, or -1.
int DigitOf(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'０' && c <= u'９') return c - u'０';
  if (c >= u'₀' && c <= u'₉') return c - u'₀';
  return -1;
}

// The digit of a superscript, or -1.
int SuperscriptOf(char16_t c) {
  switch (c) {
    case u'⁰': return 0;
    case u'¹': return 1;
    case u'²': return 2;
    case u'³': return 3;
    default: return c >= u'⁴' && c <= u'⁹' ? c - u'⁴' + 4 : -1;
  }
}

// The spoken word of an operator character, or nullptr when c is not one.
const char16_t* OperatorWord(char16_t c) {
  switch (c) {
    case u'*':
    case u'×':
    case u'＊':
    case u'・': return u"かける";
    case u'÷': return u"わる";
    case u'+':
    case u'＋': return u"たす";
    case u'-':
    case u'－':
    case u'−': return u"ひく";
    case u'=':
    case u'＝': return u"イコール";
    case u'≦':
    case u'≤': return u"以下";
    case u'≧':
    case u'≥': return u"以上";
    case u'<':
    case u'＜': return u"小なり";
    case u'>':
    case u'＞': return u"大なり";
    case u'≠': return u"ノットイコール";
    case u'±': return u"プラスマイナス";
    case u'⇔': return u"同値";
    case u'⇒': return u"ならば";
    case u'→': return u"から";
    case u'∪': return u"カップ";
    case u'∩': return u"キャップ";
    case u'∈': return u"属する";
    case u'∉': return u"属さない";
    case u'⊂': return u"含まれる";
    case u'∴': return u"ゆえに";
    case u'|': return u"、ただし ";
    case u',':
    case u'，':
    case u'、': return u"、";
    case u'/':
    case u'／': return u"/";
    case u'^': return u"^";
    default: return nullptr;
  }
}

// Arrows and comparisons written with two or three characters, as one character each.
std::u16string JoinDigraphs(std::u16string_view text) {
  static constexpr std::pair<std::u16string_view, char16_t> kDigraphs[] = {
      {u"{}", u'□'}, {u"<=>", u'⇔'}, {u"=>", u'⇒'}, {u"->", u'→'}, {u"<=", u'≦'}, {u">=", u'≧'}};
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    bool joined = false;
    for (const auto& [from, to] : kDigraphs)
      if (text.substr(i, from.size()) == from) {
        out += to;
        i += from.size();
        joined = true;
        break;
      }
    if (!joined) out += text[i++];
  }
  return out;
}

std::vector<Token> Tokenize(std::u16string_view raw) {
  const std::u16string text = JoinDigraphs(raw);
  std::vector<Token> out;
  auto operand = [&]() -> std::u16string& {
    if (out.empty() || out.back().kind != Kind::kOperand) out.push_back({Kind::kOperand, {}});
    return out.back().text;
  };
  for (char16_t c : text) {
    if (int d = DigitOf(c); d >= 0) {
      operand() += static_cast<char16_t>(u'0' + d);
    } else if (int s = SuperscriptOf(c); s >= 0) {
      out.push_back({Kind::kOperator, u"^"});
      out.push_back({Kind::kOperand, std::u16string(1, static_cast<char16_t>(u'0' + s))});
    } else if (c == u' ' || c == u'　') {
      if (!out.empty() && out.back().kind == Kind::kOperand) out.push_back({Kind::kOperator, {}});
    } else if (c == u'{' || c == u'｛') {
      out.push_back({Kind::kOperand, u"集合 "});
    } else if (c == u'}' || c == u'｝') {
      // The closing brace ends the set; the words already say where.
    } else if (c == u'(' || c == u'（') {
      out.push_back({Kind::kOpen, u"かっこ"});
    } else if (c == u')' || c == u'）') {
      out.push_back({Kind::kClose, u"かっことじ"});
    } else if (const char16_t* w = OperatorWord(c)) {
      out.push_back({Kind::kOperator, w});
    } else if (c == u'√') {
      operand() += u"ルート";
    } else if (c == u'□') {
      operand() += u"中かっこ";
    } else if (c == u'π') {
      operand() += u"パイ";
    } else if (c == u'∑' || c == u'Σ') {
      operand() += u"シグマ";
    } else {
      operand() += c;
    }
  }
  return out;
}

}  // namespace

std::u16string SpeakNumber(long long n) {
  if (n < 0) return u"マイナス" + Utf8ToUtf16(std::to_string(-n));
  return Utf8ToUtf16(std::to_string(n));
}

std::u16string SpeakNumber(double x, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, x < 0 ? -x : x);
  // -0.0 is said as 0.0.
  const bool negative =
      x < 0 && std::string_view(buf).find_first_not_of("0.") != std::string_view::npos;
  return (negative ? u"マイナス" : u"") + Utf8ToUtf16(buf);
}

std::u16string SpeakExpression(std::u16string_view text) {
  std::vector<Token> t = Tokenize(text);
  // Blanks between two operands only separate them; elsewhere they are dropped.
  std::vector<Token> tokens;
  for (auto& tok : t)
    if (!(tok.kind == Kind::kOperator && tok.text.empty())) tokens.push_back(tok);
  std::u16string out;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const Token& tok = tokens[i];
    // a/b is read denominator first; a^n as "aのn乗".
    if (tok.kind == Kind::kOperand && i + 2 < tokens.size() &&
        tokens[i + 2].kind == Kind::kOperand) {
      if (tokens[i + 1].text == u"/") {
        out += SpeakFraction(tok.text, tokens[i + 2].text);
        i += 2;
        continue;
      }
      if (tokens[i + 1].text == u"^") {
        out += SpeakPower(tok.text, tokens[i + 2].text);
        i += 2;
        continue;
      }
    }
    // A bracket round one word only marks it: "(人)" is read "人".
    if (tok.kind == Kind::kOpen && i + 2 < tokens.size() && tokens[i + 1].kind == Kind::kOperand &&
        tokens[i + 2].kind == Kind::kClose) {
      out += tokens[i + 1].text;
      i += 2;
      // "(1)A" is the item 1, then A.
      if (i + 1 < tokens.size() && tokens[i + 1].kind == Kind::kOperand) out += u' ';
      continue;
    }
    if (tok.text == u"^") {
      if (i + 1 < tokens.size()) {
        out += u"の" + tokens[i + 1].text + u"乗";
        ++i;
      }
      continue;
    }
    if (tok.text == u"/") {
      out += u"わる";
      continue;
    }
    // A minus sign with nothing before it to take from is a sign.
    if (tok.text == u"ひく" && (out.empty() || tokens[i - 1].kind == Kind::kOperator ||
                                tokens[i - 1].kind == Kind::kOpen)) {
      out += u"マイナス";
      continue;
    }
    // Relations stand apart from the terms they join.
    const bool relation =
        tok.kind == Kind::kOperator &&
        (tok.text == u"イコール" || tok.text == u"小なり" || tok.text == u"大なり" ||
         tok.text == u"以下" || tok.text == u"以上" || tok.text == u"同値");
    out += relation ? u" " + tok.text + u" " : tok.text;
  }
  return out;
}

std::u16string SpeakSymbol(char16_t letter, long long n, long long r) {
  return SpeakNumber(n) + letter + SpeakNumber(r);
}

std::u16string SpeakFraction(std::u16string_view numer, std::u16string_view denom) {
  return std::u16string(denom) + u"分の" + std::u16string(numer);
}

std::u16string SpeakPower(std::u16string_view base, std::u16string_view exponent) {
  return std::u16string(base) + u"の" + std::u16string(exponent) + u"乗";
}

std::u16string SpeakRoot(std::u16string_view radicand) {
  return u"ルート" + std::u16string(radicand);
}

std::u16string SpeakTable(const std::vector<std::u16string>& headings,
                          const std::vector<std::vector<std::u16string>>& rows) {
  std::u16string out = u"表";
  for (size_t r = 0; r < rows.size(); ++r) {
    out += u"。" + SpeakNumber(static_cast<long long>(r + 1)) + u"行目";
    for (size_t c = 0; c < rows[r].size(); ++c) {
      if (rows[r][c].empty()) continue;  // an empty cell says nothing
      out += u"、";
      if (c < headings.size() && !headings[c].empty()) out += headings[c] + u" ";
      out += rows[r][c];
    }
  }
  return out;
}

Speech& Speech::operator<<(std::u16string_view sentence) {
  if (sentence.empty()) return *this;
  if (!text_.empty() && text_.back() != u'。') text_ += u'。';
  text_ += sentence;
  return *this;
}

}  // namespace vl
