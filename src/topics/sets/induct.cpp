#include "topics/sets/induct.h"

#include "notation/notation.h"
#include "notation/reading.h"

namespace vl {

namespace {
constexpr std::u16string_view kExamples[] = {
    u"「人は動物である 」\n 彼は人である \n ゆえに、彼は動物である(○)",
    u"「犯人はそのとき現場にいる」 \n 彼はそのとき現場にいなかった \n ゆえに、彼は犯人でない (○)",
    u"「力士は力が強い」 \n 彼は力が強い  \n ゆえに、彼は力士である (X)",
    u"「猫は動物である」 \n 人は猫でない \n ゆえに、人は動物でない (X)",
};

constexpr std::u16string_view kDetails[] = {
    u"「ｐならばｑである」が真である。\nすなわち\n「ｐのすべての元がｑの元である」\n"
    u"すなわち\n集合｛ｐ｝は集合｛ｑ｝に含まれる。",
    u"「ｐならばｑである」が真であることの証明\n⇒ｐのすべての元がｑの元であることを示す。\n\n"
    u"「ｐならばｑである」が偽であることの証明\n⇒ｐのある元がｑの元でないことを示す。（反例）",
};

constexpr Color kCyan = Rgb(0, 255, 255);

constexpr MessageEntry<CInduct> kMessages[] = {
    {1005, kBnClicked, &CInduct::OnDetail},  {126, kBnClicked, &CInduct::OnExampleA},
    {127, kBnClicked, &CInduct::OnExampleB}, {128, kBnClicked, &CInduct::OnExampleC},
    {129, kBnClicked, &CInduct::OnExampleD}, {133, kBnClicked, &CInduct::OnDrill},
};
}  // namespace

std::u16string_view InductExample(int index) {
  return index >= 0 && index < 4 ? kExamples[index] : std::u16string_view();
}

std::u16string_view InductDetail(int index) {
  return index >= 0 && index < 2 ? kDetails[index] : std::u16string_view();
}

CInduct::CInduct(Window* parent) : TopicDialog(111, parent) {}

bool CInduct::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CInduct::OnInitDialog() {
  UnitsFromClient(36, 12, -1);
  return true;
}

void CInduct::ShowExample(int index) {
  m_szText = InductExample(index);
  MessageBox(m_szText);
}

void CInduct::OnDetail() {
  MessageBox(InductDetail(0));
  MessageBox(InductDetail(1));
}

void CInduct::OnDrill() { RunDrill(2778, 0); }

void CInduct::OnPaint(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kRed);
  dc.TextOut(11 * y, 9 * y, u"c),d)は正しくないので");
  dc.TextOut(11 * y, 10 * y, u"反例を示す");

  dc.SetTextColor(colors::kBlack);
  {
    auto pen = dc.SelectPen(SolidPen(PaletteIndex(0), 2));
    {
      auto brush = dc.SelectBrush(SolidBrush(colors::kWhite));
      dc.Rectangle(y, 6 * y, 10 * y, 12 * y + 1);
    }
    {
      auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
      dc.Ellipse(2 * y, 7 * y, 8 * y, 12 * y);
    }
    {
      auto brush = dc.SelectBrush(SolidBrush(kCyan));
      dc.Ellipse(3 * y, 8 * y, 5 * y, 10 * y);
    }
  }
  dc.TextOut(4 * y - x, 8 * y, u"{p}");
  dc.TextOut(5 * y - x, 7 * y, u"{q}");
  dc.TextOut(4 * y - x, 9 * y, u"･a)");
  dc.TextOut(9 * y - x, 7 * y, u"･b)");
  dc.TextOut(6 * y - x, 8 * y, u"･c)");
  dc.TextOut(7 * y - x, 9 * y, u"･d)");
}

std::u16string CInduct::Reading() const {
  Speech r;
  r << u"「pならばqである」が 真のとき";
  r << u"a)「pだからqである」は有効な推論。b)「qでないので、pでない」は有効な推論";
  r << u"c)「qだからpである」は有効でない推論。d)「pでないのでqでない」は有効でない推論";
  r << u"下図は、集合{q}の中に集合{p}がある。a)はpの中、b)はqの外、c)とd)はqの中でpの外";
  r << u"c)、d)は正しくないので反例を示す";
  return r;
}

}  // namespace vl
