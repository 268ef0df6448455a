// The formula typesetter: a line of linear notation ("(x-m)^2 f(x)", "a/b+c", "2*x^(1/3)",
// "1;2;1;3") is parsed into a small tree of boxes, measured, then drawn.
//
// Geometry, with d the font height, w its average character width and L the line height:
// every box is measured from the top of the text line it sits on (top may be negative when
// something rises above the line). A fraction bar lies on the axis d/2, its numerator ends one
// pixel above it and its denominator starts two below; the bar overhangs the wider part by w/4
// on each side. Exponents and subscripts are bold serif of height L/2, raised by a third of the
// base's height or lowered to d/2 + 2. Relation signs between terms get w/2 of blank on each
// side, plus and minus w/4.
#include <algorithm>
#include <string>
#include <vector>

#include "notation/notation.h"
#include "notation/notation_fonts.h"

namespace vl {

namespace {

constexpr int kMaxTerms = 23;
constexpr size_t kMaxPartLength = 47;  // a numerator or denominator this long is refused
constexpr size_t kMaxRadicalField = 16;

constexpr std::u16string_view kTooLong = u"式の長さが４８以上です。";
constexpr std::u16string_view kNoCloseParen = u"右括弧なし";
constexpr std::u16string_view kBadRadical = u"根号表記に誤り";

enum class Failure { kNone, kTooLong, kNoCloseParen, kBadRadical };

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsSign(char16_t c) { return c == u'+' || c == u'-'; }
bool IsRelation(char16_t c) { return c == u'<' || c == u'=' || c == u'>'; }
bool IsTermSign(char16_t c) { return IsSign(c) || IsRelation(c); }
// Characters that belong to a word: a coefficient's digits, a variable, a Japanese letter.
bool IsWordChar(char16_t c) {
  return IsDigit(c) || c == u'.' || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
         c >= 0x80;
}

// Index of the ')' that closes the '(' at open, or npos.
size_t MatchingClose(std::u16string_view s, size_t open) {
  int depth = 0;
  for (size_t i = open; i < s.size(); ++i) {
    if (s[i] == u'(') ++depth;
    if (s[i] == u')' && --depth == 0) return i;
  }
  return std::u16string_view::npos;
}

// Index of the first of chars found outside parentheses, or npos.
size_t FindTopLevel(std::u16string_view s, std::u16string_view chars) {
  int depth = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == u'(')
      ++depth;
    else if (s[i] == u')')
      depth = std::max(0, depth - 1);
    else if (depth == 0 && chars.find(s[i]) != std::u16string_view::npos)
      return i;
  }
  return std::u16string_view::npos;
}

// Index of the '(' that the ')' at close closes, or npos.
size_t MatchingOpen(std::u16string_view s, size_t close) {
  int depth = 0;
  for (size_t i = close + 1; i-- > 0;) {
    if (s[i] == u')') ++depth;
    if (s[i] == u'(' && --depth == 0) return i;
  }
  return std::u16string_view::npos;
}

bool IsWholeGroup(std::u16string_view s) {
  return s.size() >= 2 && s.front() == u'(' && MatchingClose(s, 0) == s.size() - 1;
}

// A '*' followed by a digit (or a sign: 2*-3) is a multiplication sign; any other is dropped,
// so that 2*a reads 2a.
std::u16string CleanStars(std::u16string_view s) {
  std::u16string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != u'*') {
      out += s[i];
    } else if (i + 1 < s.size() && (IsDigit(s[i + 1]) || IsSign(s[i + 1]))) {
      out += u'×';
    }
  }
  return out;
}

// A coefficient of 1 in front of a radical is not written; -1 leaves its minus sign.
std::u16string_view DropUnitCoefficient(std::u16string_view coef) {
  if (!coef.empty() && coef.back() == u'1' &&
      (coef.size() == 1 || !IsWordChar(coef[coef.size() - 2])))
    return coef.substr(0, coef.size() - 1);
  return coef;
}

struct Box {
  int width = 0;
  int top = 0;  // relative to the top of the text line
  int bottom = 0;
};

struct Node {
  enum class Kind { kText, kSign, kRow, kFraction, kSuper, kSub, kParens, kRadical };
  Kind kind = Kind::kText;
  std::u16string text;     // text, sign, the raised or lowered text, the root index
  std::vector<Node> kids;  // row items; fraction: numerator, denominator; script: base;
                           // parens: content; radical: coefficient, radicand
  Box box;
  int a = 0, b = 0;  // placement worked out when measuring (see Measure)
};

Node TextNode(std::u16string text) {
  Node n;
  n.text = std::move(text);
  return n;
}

Node RowNode() {
  Node n;
  n.kind = Node::Kind::kRow;
  return n;
}

// Appends to a row, joining neighbouring plain texts into one.
void Append(Node& row, Node item) {
  if (item.kind == Node::Kind::kText && !row.kids.empty() &&
      row.kids.back().kind == Node::Kind::kText) {
    row.kids.back().text += item.text;
    return;
  }
  if (item.kind == Node::Kind::kText && item.text.empty()) return;
  row.kids.push_back(std::move(item));
}

bool IsPlainText(const Node& n) {
  if (n.kind == Node::Kind::kText) return true;
  if (n.kind != Node::Kind::kRow) return false;
  return n.kids.empty() || (n.kids.size() == 1 && n.kids[0].kind == Node::Kind::kText);
}

std::u16string PlainTextOf(const Node& n) {
  if (n.kind == Node::Kind::kText) return n.text;
  return n.kids.empty() ? std::u16string() : n.kids[0].text;
}

class Parser {
 public:
  Failure failure = Failure::kNone;

  // A whole formula: terms, each a fraction or a plain part.
  Node Formula(std::u16string_view s) {
    Node row = RowNode();
    std::vector<std::u16string_view> terms;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      const char16_t c = s[i];
      if (c == u'(')
        ++depth;
      else if (c == u')')
        depth = std::max(0, depth - 1);
      else if (depth == 0 && IsTermSign(c) && i > start) {
        // A sign right after an operator or another sign belongs to what follows it.
        const char16_t prev = s[i - 1];
        if (prev != u'/' && prev != u'*' && prev != u'^' && prev != u'_' && !IsTermSign(prev)) {
          terms.push_back(s.substr(start, i - start));
          start = i;
          if (terms.size() == kMaxTerms) return Fail(Failure::kTooLong);
        }
      }
    }
    if (depth > 0) return Fail(Failure::kNoCloseParen);
    if (start < s.size()) terms.push_back(s.substr(start));
    bool first = true;
    for (std::u16string_view term : terms) {
      Term(row, term, first);
      if (failure != Failure::kNone) return row;
      first = false;
    }
    return row;
  }

 private:
  Node Fail(Failure f) {
    if (failure == Failure::kNone) failure = f;
    return RowNode();
  }

  void Term(Node& row, std::u16string_view term, bool first) {
    // The leading sign: a run of relation characters, or one plus or minus.
    size_t signLen = 0;
    if (!term.empty() && IsRelation(term[0])) {
      while (signLen < term.size() && IsRelation(term[signLen])) ++signLen;
    } else if (!term.empty() && IsSign(term[0])) {
      signLen = 1;
    }
    std::u16string_view body = term.substr(signLen);

    std::u16string num, den;
    bool inDen = false, isFraction = false;
    int depth = 0;
    for (char16_t c : body) {
      std::u16string& part = inDen ? den : num;
      if (c == u'(')
        ++depth;
      else if (c == u')')
        depth = std::max(0, depth - 1);
      if (depth == 0 && c == u'/') {
        if (inDen && !den.empty()) den += u'*';
        inDen = isFraction = true;
      } else if (depth == 0 && c == u'*' && inDen) {
        inDen = false;
        if (!num.empty()) num += u'*';
      } else {
        part += c;
      }
      // The sign counts as the numerator's first character.
      if (num.size() + signLen >= kMaxPartLength || den.size() >= kMaxPartLength) {
        Fail(Failure::kTooLong);
        return;
      }
    }

    if (signLen > 0) {
      Node sign = TextNode(std::u16string(term.substr(0, signLen)));
      sign.kind = Node::Kind::kSign;
      // Blank around the sign, in eighths of a character: relations w/2, plus and minus w/4
      // except in front of the first term.
      sign.a = IsRelation(term[0]) ? 4 : (first ? 0 : 2);
      row.kids.push_back(std::move(sign));
    }
    if (!isFraction) {
      Append(row, Part(num, false));
      return;
    }
    Node fraction;
    fraction.kind = Node::Kind::kFraction;
    fraction.kids.push_back(Part(num, true));
    fraction.kids.push_back(Part(den, true));
    row.kids.push_back(std::move(fraction));
  }

  // A numerator, a denominator or a term without a fraction bar.
  Node Part(std::u16string_view raw, bool stripGroup) {
    std::u16string p(raw);
    if (p.starts_with(u"1*("))
      p.erase(0, 2);
    else if (p.starts_with(u"-1*("))
      p.erase(1, 2);
    if (stripGroup) {
      while (IsWholeGroup(p)) p = p.substr(1, p.size() - 2);
    }
    if (FindTopLevel(p, u"/") != std::u16string_view::npos) return Formula(p);
    if (FindTopLevel(p, u";,") != std::u16string_view::npos) return RadicalFields(p);
    return Inline(p);
  }

  // The contents of a parenthesised group.
  Node GroupContent(std::u16string_view s) {
    if (FindTopLevel(s, u"/") != std::u16string_view::npos) return Formula(s);
    return Inline(s);
  }

  // coefficient;base;m;n (',' works as well).
  Node RadicalFields(std::u16string_view p) {
    std::vector<std::u16string_view> fields;
    size_t start = 0;
    while (true) {
      size_t rel = FindTopLevel(p.substr(start), u";,");
      if (rel == std::u16string_view::npos) break;
      fields.push_back(p.substr(start, rel));
      start += rel + 1;
    }
    fields.push_back(p.substr(start));
    if (fields.size() != 4 || fields[1].empty()) return Fail(Failure::kBadRadical);
    for (auto f : fields)
      if (f.size() > kMaxRadicalField) return Fail(Failure::kBadRadical);
    Node base = Part(fields[1], true);
    return Radical(DropUnitCoefficient(fields[0]), std::move(base), fields[2], fields[3]);
  }

  Node Radical(std::u16string_view coef, Node base, std::u16string_view m, std::u16string_view n) {
    Node r;
    r.kind = Node::Kind::kRadical;
    r.text = n == u"2" || n.empty() ? std::u16string() : CleanStars(n);
    r.kids.push_back(TextNode(CleanStars(coef)));
    if (m.empty() || m == u"1") {
      r.kids.push_back(std::move(base));
    } else {
      Node power;
      power.kind = Node::Kind::kSuper;
      power.text = CleanStars(m);
      power.kids.push_back(std::move(base));
      r.kids.push_back(std::move(power));
    }
    return r;
  }

  // A run of text with groups, powers, radical powers and subscripts.
  Node Inline(std::u16string_view s) {
    Node row = RowNode();
    std::u16string run;  // raw text not yet added, stars included
    auto flush = [&]() {
      Append(row, TextNode(CleanStars(run)));
      run.clear();
    };
    size_t i = 0;
    while (i < s.size() && failure == Failure::kNone) {
      const char16_t c = s[i];
      if (c == u'(') {
        size_t close = MatchingClose(s, i);
        if (close == std::u16string_view::npos) close = s.size();
        flush();
        Append(row, Parens(GroupContent(s.substr(i + 1, close - i - 1))));
        i = std::min(close + 1, s.size());
      } else if (c == u'^' && i + 1 < s.size() && s[i + 1] == u'(') {
        size_t close = MatchingClose(s, i + 1);
        if (close == std::u16string_view::npos) close = s.size();
        std::u16string_view group = s.substr(i + 2, close - i - 2);
        size_t slash = FindTopLevel(group, u"/");
        if (slash != std::u16string_view::npos) {
          RadicalPower(row, run, group.substr(0, slash), group.substr(slash + 1));
        } else {
          Script(row, run, Node::Kind::kSuper, CleanStars(group));
        }
        i = std::min(close + 1, s.size());
      } else if (c == u'_' && i + 1 < s.size() && s[i + 1] == u'(') {
        size_t close = MatchingClose(s, i + 1);
        if (close == std::u16string_view::npos) close = s.size();
        Script(row, run, Node::Kind::kSub, CleanStars(s.substr(i + 2, close - i - 2)));
        i = std::min(close + 1, s.size());
      } else if (c == u'^' || c == u'_') {
        // An exponent: digits with an optional sign, or one letter. A subscript: one character.
        size_t j = i + 1;
        if (c == u'^') {
          if (j < s.size() && IsSign(s[j]) && j + 1 < s.size() && IsDigit(s[j + 1])) ++j;
          while (j < s.size() && IsDigit(s[j])) ++j;
        }
        if (j == i + 1 && j < s.size() && (c == u'_' || IsWordChar(s[j]))) {
          j += (s[j] >= 0xD800 && s[j] <= 0xDBFF && j + 1 < s.size()) ? 2 : 1;
        }
        if (j == i + 1) {
          run += c;  // nothing to raise or lower: the character stays as typed
          ++i;
          continue;
        }
        Script(row, run, c == u'^' ? Node::Kind::kSuper : Node::Kind::kSub,
               CleanStars(s.substr(i + 1, j - i - 1)));
        i = j;
      } else {
        run += c;
        ++i;
      }
    }
    flush();
    return row;
  }

  Node Parens(Node content) {
    if (IsPlainText(content)) return TextNode(u"(" + PlainTextOf(content) + u")");
    Node p;
    p.kind = Node::Kind::kParens;
    p.kids.push_back(std::move(content));
    return p;
  }

  // The base of a script: the pending text, or else the last item drawn.
  Node TakeBase(Node& row, std::u16string& run) {
    if (!run.empty()) {
      Node base = TextNode(CleanStars(run));
      run.clear();
      return base;
    }
    if (row.kids.empty()) return TextNode(u"");
    Node base = std::move(row.kids.back());
    row.kids.pop_back();
    return base;
  }

  void Script(Node& row, std::u16string& run, Node::Kind kind, std::u16string text) {
    Node s;
    s.kind = kind;
    s.text = std::move(text);
    s.kids.push_back(TakeBase(row, run));
    row.kids.push_back(std::move(s));
  }

  // Where the group that ends the row's last text opens, or npos.
  static size_t GroupAtEnd(const Node& row) {
    if (row.kids.empty() || row.kids.back().kind != Node::Kind::kText) return std::u16string::npos;
    const std::u16string& t = row.kids.back().text;
    if (!t.ends_with(u')')) return std::u16string::npos;
    return MatchingOpen(t, t.size() - 1);
  }

  // base^(m/n): the radicand is a group just closed, or the last word of the pending text,
  // whose coefficient (before a '*', or the text in front of the word) stays in front.
  void RadicalPower(Node& row, std::u16string& run, std::u16string_view m, std::u16string_view n) {
    Node base;
    const bool hadRun = !run.empty();
    if (hadRun) {
      size_t cut = run.size();
      const size_t star = run.rfind(u'*');
      if (star != std::u16string::npos) {
        cut = star + 1;
      } else {
        while (cut > 0 && IsWordChar(run[cut - 1])) --cut;
      }
      base = TextNode(CleanStars(std::u16string_view(run).substr(cut)));
      const std::u16string_view coef =
          std::u16string_view(run).substr(0, star != std::u16string::npos ? star : cut);
      Append(row, TextNode(CleanStars(DropUnitCoefficient(coef))));
      run.clear();
    } else if (!row.kids.empty() && row.kids.back().kind == Node::Kind::kParens) {
      // A group as the radicand: the sign takes the place of its parentheses.
      base = std::move(row.kids.back().kids[0]);
      row.kids.pop_back();
    } else if (const size_t open = GroupAtEnd(row); open != std::u16string::npos) {
      std::u16string& t = row.kids.back().text;
      base = TextNode(t.substr(open + 1, t.size() - open - 2));
      t.erase(open);
    } else {
      base = TakeBase(row, run);
    }
    // What stands in front of a group radicand is its coefficient.
    if (!hadRun && !row.kids.empty() && row.kids.back().kind == Node::Kind::kText) {
      std::u16string& t = row.kids.back().text;
      t = std::u16string(DropUnitCoefficient(t));
      if (t.empty()) row.kids.pop_back();
    }
    Append(row, Radical(u"", std::move(base), m, n));
  }
};

class Layout {
 public:
  Layout(Dc& dc, const PageMembers& members) : dc_(dc) {
    const TextMetrics tm = dc.GetTextMetrics();
    d_ = tm.height;
    w_ = members.m_nUnitX > 0 ? members.m_nUnitX : tm.aveCharWidth;
    lineHeight_ = members.m_nUnitY > 0 ? members.m_nUnitY : tm.height + tm.externalLeading;
  }

  void Measure(Node& n) {
    switch (n.kind) {
      case Node::Kind::kText: n.box = {dc_.GetTextExtent(n.text).cx, 0, d_}; break;
      case Node::Kind::kSign: n.box = {dc_.GetTextExtent(n.text).cx + 2 * Gap(n), 0, d_}; break;
      case Node::Kind::kRow: {
        n.box = {0, 0, d_};
        for (Node& k : n.kids) {
          Measure(k);
          n.box.width += k.box.width;
          n.box.top = std::min(n.box.top, k.box.top);
          n.box.bottom = std::max(n.box.bottom, k.box.bottom);
        }
        break;
      }
      case Node::Kind::kFraction: {
        Node& num = n.kids[0];
        Node& den = n.kids[1];
        Measure(num);
        Measure(den);
        const int axis = d_ / 2;
        n.a = axis - 1 - num.box.bottom;  // numerator line
        n.b = axis + 2 - den.box.top;     // denominator line
        n.box.width = std::max(num.box.width, den.box.width) + 2 * Overhang() + 2;
        n.box.top = std::min(n.a + num.box.top, axis);
        n.box.bottom = std::max(n.b + den.box.bottom, axis + 1);
        break;
      }
      case Node::Kind::kSuper:
      case Node::Kind::kSub: {
        Node& base = n.kids[0];
        Measure(base);
        const int small = lineHeight_ / 2;
        const int e = SmallExtent(n.text);
        n.a = n.kind == Node::Kind::kSuper ? base.box.top - d_ / 3 : base.box.bottom - d_ / 2 + 2;
        n.box = {base.box.width + e, std::min(base.box.top, n.a),
                 std::max(base.box.bottom, n.a + small)};
        break;
      }
      case Node::Kind::kParens: {
        Node& c = n.kids[0];
        Measure(c);
        // Parentheses of the text's own size, unless they hold something taller than an
        // exponent or a subscript: then they grow to its height.
        const bool tall = c.box.top < -d_ / 2 || c.box.bottom > d_ + d_ / 2;
        n.a = tall ? c.box.bottom - c.box.top : d_;  // height of the parentheses
        n.b = tall ? c.box.top : 0;                  // their top
        n.box = {2 * ParenWidth(n.a) + c.box.width, std::min(0, n.b), std::max(d_, n.b + n.a)};
        break;
      }
      case Node::Kind::kRadical: {
        Node& coef = n.kids[0];
        Node& radicand = n.kids[1];
        Measure(coef);
        Measure(radicand);
        const int index = SmallExtent(n.text);
        // n.a: where the sign's top corner stands, from the left edge.
        n.a = coef.box.width + std::max(3 * w_ / 4 + 1, index + w_ / 4);
        const int barY = BarY(radicand);
        n.box.width = n.a + BarLength(radicand) + 1;
        n.box.top = std::min(barY, IndexY(radicand) - lineHeight_ / 2) - 1;
        n.box.bottom = std::max(d_, radicand.box.bottom);
        break;
      }
    }
  }

  void Draw(const Node& n, int x, int y) {
    switch (n.kind) {
      case Node::Kind::kText:
        if (!n.text.empty()) dc_.TextOut(x, y, n.text);
        break;
      case Node::Kind::kSign: dc_.TextOut(x + Gap(n), y, n.text); break;
      case Node::Kind::kRow:
        for (const Node& k : n.kids) {
          Draw(k, x, y);
          x += k.box.width;
        }
        break;
      case Node::Kind::kFraction: {
        const Node& num = n.kids[0];
        const Node& den = n.kids[1];
        const int bar = n.box.width - 2;
        Draw(num, x + 1 + (bar - num.box.width) / 2, y + n.a);
        Draw(den, x + 1 + (bar - den.box.width) / 2, y + n.b);
        dc_.MoveTo(x + 1, y + d_ / 2);
        dc_.LineTo(x + 1 + bar, y + d_ / 2);
        break;
      }
      case Node::Kind::kSuper:
      case Node::Kind::kSub: {
        const Node& base = n.kids[0];
        Draw(base, x, y);
        auto small = dc_.SelectFont(SmallSerifFont(lineHeight_ / 2));
        if (!n.text.empty()) dc_.TextOut(x + base.box.width, y + n.a, n.text);
        break;
      }
      case Node::Kind::kParens: {
        const Node& c = n.kids[0];
        const int pw = ParenWidth(n.a);
        {
          Font f = dc_.CurrentFont();
          f.height = n.a;
          auto tall = dc_.SelectFont(f);
          dc_.TextOut(x, y + n.b, u"(");
          dc_.TextOut(x + pw + c.box.width, y + n.b, u")");
        }
        Draw(c, x + pw, y);
        break;
      }
      case Node::Kind::kRadical: {
        const Node& coef = n.kids[0];
        const Node& radicand = n.kids[1];
        Draw(coef, x, y);
        const int xs = x + n.a;
        if (!n.text.empty()) {
          auto small = dc_.SelectFont(SmallSerifFont(lineHeight_ / 2));
          dc_.TextOut(xs - w_ / 4 - SmallExtent(n.text), y + IndexY(radicand) - lineHeight_ / 2,
                      n.text);
        }
        Draw(radicand, xs + 2, y);
        if (OneLine(radicand)) {
          DrawTallRadical(BarLength(radicand) - w_, dc_, xs, y, u"", 1);
        } else {
          const int barY = y + BarY(radicand);
          const int bottom = y + radicand.box.bottom - 2;
          const int e = d_ - d_ / 8 - 2;
          dc_.Polyline({{xs - 3 * w_ / 4, bottom - (e / 2 - e / 8)},
                        {xs - w_ / 2, bottom},
                        {xs, barY},
                        {xs + BarLength(radicand), barY}});
        }
        break;
      }
    }
  }

 private:
  int Gap(const Node& sign) const { return sign.a * w_ / 8; }
  int Overhang() const { return std::max(1, w_ / 4); }
  int ParenWidth(int height) {
    Font f = dc_.CurrentFont();
    f.height = height;
    return dc_.MeasureText(f, u"(").cx;
  }
  int SmallExtent(std::u16string_view s) {
    return s.empty() ? 0 : dc_.MeasureText(SmallSerifFont(lineHeight_ / 2), s).cx;
  }
  bool OneLine(const Node& radicand) const {
    return radicand.box.top >= 0 && radicand.box.bottom <= d_;
  }
  // The bar ends two pixels past the radicand. The one-line sign's bar is its width argument
  // (at least 1) plus the average width.
  int BarLength(const Node& radicand) const {
    const int len = radicand.box.width + 4;
    return OneLine(radicand) ? std::max(1, len - w_) + w_ : len;
  }
  // The sign's bar: as the one-line sign draws it, or just above a taller radicand.
  int BarY(const Node& radicand) const { return OneLine(radicand) ? -4 : radicand.box.top - 2; }
  // Where the sign's tick starts; the root index stands on it.
  int IndexY(const Node& radicand) const {
    const int e = d_ - d_ / 8 - 2;
    if (OneLine(radicand)) return e - e / 2 - 1;
    return radicand.box.bottom - 2 - (e / 2 - e / 8) - 1;
  }

  Dc& dc_;
  int d_ = 16;
  int w_ = 8;
  int lineHeight_ = 16;
};

}  // namespace

int DrawFormula(const PageMembers& layout, Dc& dc, int x, int y, std::u16string_view text,
                Size* sizeOut, int mode) {
  if (sizeOut) *sizeOut = {};
  auto z = text.find(u'\0');
  if (z != std::u16string_view::npos) text = text.substr(0, z);

  Parser parser;
  Node formula = parser.Formula(text);
  if (parser.failure != Failure::kNone) {
    if (mode != 1) {
      switch (parser.failure) {
        case Failure::kNoCloseParen: dc.TextOut(x, y - 100, kNoCloseParen); break;
        case Failure::kBadRadical: dc.TextOut(x, y, kBadRadical); break;
        default: dc.TextOut(x, y, kTooLong); break;
      }
    }
    return -1;
  }

  Layout lay(dc, layout);
  lay.Measure(formula);
  if (sizeOut) *sizeOut = {formula.box.width, formula.box.bottom - formula.box.top};
  if (mode != 1) {
    // Bars and radical signs in the colour of the text.
    auto pen = dc.SelectPen(SolidPen(dc.GetTextColor(), 1));
    lay.Draw(formula, x, y);
  }
  return formula.box.width;
}

}  // namespace vl
