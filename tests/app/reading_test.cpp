// Every page reads aloud: over every registered dialog, in its first state and after each of
// its buttons, the reading is not empty and says every number the page draws. A few pages are
// read exactly, in the order problem, worked solution, answer.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/velorin_app.h"
#include "platform/application.h"
#include "platform/script/script_host.h"
#include "platform/text.h"
#include "support/script_fixture.h"

namespace vl {
namespace {

// The numbers in a text, however written: full-width, subscript and superscript digits count as
// digits, and "0.50" is the number 0.5.
std::set<std::string> NumbersIn(const std::string& utf8) {
  std::u16string s = Utf8ToUtf16(utf8);
  std::string plain;
  for (char16_t c : s) {
    if (c >= u'０' && c <= u'９') c = u'0' + (c - u'０');
    if (c >= u'₀' && c <= u'₉') c = u'0' + (c - u'₀');
    if (c >= u'⁴' && c <= u'⁹') c = u'0' + (c - u'⁴' + 4);
    if (c == u'²') c = u'2';
    if (c == u'³') c = u'3';
    if (c == u'¹') c = u'1';
    if (c == u'．') c = u'.';
    plain += (c < 0x80) ? static_cast<char>(c) : ' ';
  }
  std::set<std::string> out;
  for (size_t i = 0; i < plain.size();) {
    if (!isdigit(static_cast<unsigned char>(plain[i]))) {
      ++i;
      continue;
    }
    size_t j = i;
    while (j < plain.size() && (isdigit(static_cast<unsigned char>(plain[j])) ||
                                (plain[j] == '.' && j + 1 < plain.size() &&
                                 isdigit(static_cast<unsigned char>(plain[j + 1])))))
      ++j;
    std::string n = plain.substr(i, j - i);
    if (n.find('.') != std::string::npos) {
      while (n.back() == '0') n.pop_back();
      if (n.back() == '.') n.pop_back();
    }
    n.erase(0, std::min(n.find_first_not_of('0'), n.size() - 1));
    out.insert(n);
    i = j;
  }
  return out;
}

void ExpectReadsItsNumbers(const Json& window, const std::string& label) {
  const std::string reading = window["reading"].AsString();
  EXPECT_FALSE(reading.empty()) << label;
  const std::set<std::string> said = NumbersIn(reading);
  for (const std::string& text : testing::Texts(window))
    for (const std::string& n : NumbersIn(text))
      EXPECT_TRUE(said.count(n)) << label << ": " << n << " (in \"" << text
                                 << "\") is not read; reading: " << reading;
}

TEST(Reading, EveryPageInEveryStateReadsEveryNumberItDraws) {
  RegisterAllDialogs();
  int states = 0;
  for (const auto& factory : AllDialogFactories()) {
    ScriptHost host;
    Host::SetCurrent(&host);
    auto dlg = factory.make();
    const std::string label = std::to_string(factory.templateId) + " " + factory.variant;
    std::vector<std::string> actions;  // each button pressed, each list item chosen
    bool listed = false;
    size_t next = 0;
    std::string err;
    host.RunDialog(
        *dlg,
        [&]() -> std::optional<std::string> {
          if (dlg->Ended()) return std::nullopt;
          if (host.TopDialog() != dlg.get()) return std::string("close");  // a nested dialog
          if (!listed) {
            listed = true;
            for (auto& c : dlg->Controls()) {
              if ((c.kind == ControlKind::kButton || c.kind == ControlKind::kRadio) && c.id > 2 &&
                  !(c.style & kStyleHidden) &&
                  c.text != u"ドリル" && c.text != u"終了" && !(c.style & kStyleDisabled))
                actions.push_back("press " + std::to_string(c.id));
              for (size_t i = 0; c.kind == ControlKind::kCombo && i < c.items.size(); ++i)
                actions.push_back("select " + std::to_string(c.id) + " " + std::to_string(i));
            }
          }
          ExpectReadsItsNumbers(host.WindowState(*dlg),
                                label + " after " + (next ? actions[next - 1] : "opening"));
          ++states;
          if (next >= actions.size() || dlg->Ended()) return std::nullopt;
          return actions[next++];
        },
        err);
    EXPECT_EQ(err, "") << label;
  }
  Host::SetCurrent(nullptr);
  EXPECT_GT(states, 120);  // opening states, every button and every list item
}

// The reading of the top window after a script.
std::string ReadingAfter(const std::string& script) {
  testing::ScriptRun run(script);
  EXPECT_EQ(run.status(), 0) << run.error();
  return run.top()["reading"].AsString();
}

TEST(Reading, PagesReadProblemThenWorkingThenAnswer) {
  EXPECT_EQ(ReadingAfter("command 2772\ntype 105 5\ntype 106 2\npress 101"),
            "5個の異なるものから2個ずつとった、組合せの数は何通りか。組合せは並べ方ではないので、"
            "その分を割る。5C2 イコール 1かける2分の5かける4 イコール 10。答え 10通り");
  EXPECT_EQ(ReadingAfter("command 2783"),
            "1回の試行で事象Aの起る確率がpのとき、n回の独立試行で、Aの起る回数をXとすれば、Xの確率"
            "分布は下のようになる。この分布を二項分布といい、B n、pで表す。q イコール 1ひくp。表。1"
            "行目、確率変数X、0、1、…、r、…、n、計。2行目、確率P、X イコール r、nC0 qのn乗、nC1 p "
            "qのnひく1乗、…、nCr pのr乗 qのnひくr乗、…、nCn pのn乗、計 1。平均値 m イコール np。"
            "分散σの2乗 イコール npq イコール np、かっこ1ひくpかっことじ。不良率k%の製品がある。こ"
            "れからn個取り出すとき、不良品の個数Xの平均値mと標準偏差σを求める。Xは二項分布B 100、"
            "100分の4に従うから。m イコール 100かける100分の4 イコール 4.0。σ イコール ルート100"
            "かける100分の4かける100分の96");
  EXPECT_EQ(
      ReadingAfter("command 2781"),
      "2つのさいころを投げるとき、出る目の和が8になる確率を求める。2つのさいころの出る目は、"
      "全部で、6かける6 イコール 36通り。どの場合も同様に確からしい。目の和が 8になるのは、2の"
      "目と6の目、3の目と5の目、4の目と4の目、5の目と3の目、6の目と2の目の 5通り。よって確率"
      "は 36分の5");
  EXPECT_EQ(ReadingAfter("time 100\ncommand 2773\npress 112"),
            "さいころを振って、それぞれの目の出る確率を求める。テストのボタンを押して下さい。出た目"
            "は2の目。表。1行目、出た目 1、回数 2、統計的確率 0.200、10分の2、数学的確率 0.167。2"
            "行目、出た目 2、回数 2、統計的確率 0.200、10分の2、数学的確率 0.167。3行目、出た目 3、"
            "回数 1、統計的確率 0.100、10分の1、数学的確率 0.167。4行目、出た目 4、回数 1、統計的確"
            "率 0.100、10分の1、数学的確率 0.167。5行目、出た目 5、回数 3、統計的確率 0.300、10分の"
            "3、数学的確率 0.167。6行目、出た目 6、回数 1、統計的確率 0.100、10分の1、数学的確率 "
            "0.167。7行目、出た目 合計、回数 10、統計的確率 1.000、10分の10、数学的確率 1.000。6分"
            "の1 イコール 0.167");
  // The drill says its problem alone until 答え, then the working and the answer.
  const std::string drill = "time 100\ncommand 2772\npress 133";
  const std::string problem =
      "10個の数字0、1、2、3、4、5、6、7、8、9から異なる7個の数字を選ぶ。1、3を含むとすると何個で"
      "きるか";
  EXPECT_EQ(ReadingAfter(drill), problem);
  EXPECT_EQ(ReadingAfter(drill + "\npress 140"),
            problem + "。8C5は8個の数字から5個とる組合せの数。答え 56個");
}

TEST(Reading, MainViewReadsDiagramAndPuzzleBoard) {
  for (const char* script : {"expose", "command 2768"}) {
    testing::ScriptRun run(script);
    ExpectReadsItsNumbers(run.state()["windows"].AsArray().front(), script);
  }
  EXPECT_NE(ReadingAfter("command 2768").find("移動回数 0回。表。1行目、"), std::string::npos);
}

}  // namespace
}  // namespace vl
