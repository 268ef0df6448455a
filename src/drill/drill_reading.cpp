// The drill pages read aloud: the problem, then after 答え the answer and its working, built
// from the same slots the pages draw.
#include <algorithm>

#include "drill/drill.h"
#include "drill/drill_texts.h"
#include "notation/reading.h"

namespace vl {

namespace {

using S = std::u16string;

S Answer(const S& text) { return u"答え " + text; }

void RoutesReading(Speech& r, Speech& a, const DrillPage& p) {
  static constexpr std::u16string_view kLabels[] = {u"バス", u"ＪＲ", u"地下鉄", u"私鉄",
                                                    u"タクシー"};
  auto ways = [](int n) {
    S s;
    for (int i = 0; i < n && i < 5; ++i) s += (i ? u"、" : u"") + S(kLabels[i]);
    return s;
  };
  r << u"Ａ町からＢ町を通ってＣ町に行く方法は何通りあるか";
  r << Say(u"Ａ町からＢ町へは%s、Ｂ町からＣ町へは%s", ways(p.m_nA), ways(p.m_nB));
  if (!p.m_bShowAnswer) return;
  a << Answer(Say(u"%d通り", p.m_nAns));
  r << Say(u"%d通りかける%d通り イコール %d通り", p.m_nA, p.m_nB, p.m_nAns);
}

void FiguresReading(Speech& r, Speech& a, const DrillPage& p) {
  if (p.m_nSubMode == 1) r << u"下図で、三角形は何個あるか。図は三角形の各辺の中点を結んだもの";
  if (p.m_nSubMode == 2) r << u"下図で、四角形は何個あるか。図は正方形を縦横に2等分したもの";
  if (!p.m_bShowAnswer) return;
  r << u"もれなく、重複せずに数えること";
  a << Answer(Say(u"%d個", p.m_nAns));
  if (p.m_nSubMode == 1) r << u"小さい三角形 4個。大きい三角形 1個";
  if (p.m_nSubMode == 2)
    r << u"小さい四角形 4個。横長の四角形 2個。縦長の四角形 2個。大きい四角形 1個";
}

void DistinctDigitsReading(Speech& r, Speech& a, const DrillPage& p) {
  const int k = p.m_nA;
  r << Say(
      u"10個の数字0、1、2、3、4、5、6、7、8、9から異なる%d個の数字を選んで %dけたの整数"
      u"を作る。何個できるか",
      k, k);
  if (!p.m_bShowAnswer) return;
  a << Answer(Say(u"%d個、%dひく%d", p.m_nAns - p.m_nAux1, p.m_nAns, p.m_nAux1));
  r << Say(u"%sは10個の数字から%d個とって並べる順列の数", SpeakSymbol(u'P', 10, k), k);
  r << Say(u"%sは左端に0がある順列の数", SpeakSymbol(u'P', 9, k - 1));
}

void DigitChoiceReading(Speech& r, Speech& a, const DrillPage& p) {
  const int k = p.m_nA;
  r << Say(
      u"10個の数字0、1、2、3、4、5、6、7、8、9から異なる%d個の数字を選ぶ。1、3を含むと"
      u"すると何個できるか",
      k);
  if (!p.m_bShowAnswer) return;
  a << Answer(Say(u"%d個", p.m_nAns));
  r << Say(u"%sは8個の数字から%d個とる組合せの数", SpeakSymbol(u'C', 8, k - 2), k - 2);
}

void TrinomialReading(Speech& r, Speech& a, const DrillPage& p) {
  const int k = p.m_nA;
  r << SpeakPower(u"かっこ aたすbたすc かっことじ", SpeakNumber(k)) +
           u"の展開式の異なる項の数を求めよ";
  if (!p.m_bShowAnswer) return;
  a << Answer(Say(u"%d個", p.m_nAns));
  static constexpr std::u16string_view kWord = u"aabcabccbacc";
  r << u"項の例 " + S(kWord.substr(0, std::clamp(k, 0, 12))) + Say(u"、%d個", k);
  r << Say(u"a、b、c 3個のものから重複を許して%d個とる組合せの数だから、%s", k,
           SpeakSymbol(u'H', 3, k));
}

void ClosedStreetReading(Speech& r, Speech& a, const DrillPage& p) {
  r << u"下図のように縦横5区画ずつの道がある。Ａ点からＢ点まで行きたい。遠回りしないことにし、"
       u"ｘ印は交通止めである。順路は何通りあるか";
  if (!p.m_bShowAnswer) return;
  const int k = p.m_nA;
  a << Answer(Say(u"%d通り", 252 - p.m_nAux2 * p.m_nAux1));
  r << Say(u"ＡからＸへは、%s イコール %d", SpeakSymbol(u'C', p.m_nQ, k), p.m_nAux2);
  r << Say(u"ＸからＢへは、%s イコール %d", SpeakSymbol(u'C', p.m_nP, 5 - k), p.m_nAux1);
  r << Say(u"よって、%sひく%dかける%d", SpeakSymbol(u'C', 10, 5), p.m_nAux1, p.m_nAux2);
}

void BooksReading(Speech& r, Speech& a, const DrillPage& p) {
  r << u"40人クラスで、英数国の参考書を持っているか調べた";
  r << Say(
      u"英語%d人、数学%d人、国語%d人、英と数%d人、数と国%d人、国と英%d人、英数国%d人だ"
      u"った",
      p.m_nB, p.m_nC, p.m_nD, p.m_nE, p.m_nF, p.m_nG, p.m_nH);
  r << u"どの参考書も持っていない生徒は何人か。図は英、数、国の3つの円のベン図";
  if (!p.m_bShowAnswer) return;
  a << Answer(Say(u"%d人", p.m_nAns));
  r << u"どれか持っている生徒は " +
           SpeakExpression(Say(u"%d+%d+%d-%d-%d-%d+%d=%d", p.m_nB, p.m_nC, p.m_nD, p.m_nE, p.m_nF,
                               p.m_nG, p.m_nH, p.m_nAux1));
}

void SetBasicsReading(Speech& r, Speech& a, const DrillPage& p) {
  const SetBasicsExercise ex = MakeSetBasicsExercise(p.m_nA, p.m_nB, p.m_nSubMode);
  if (ex.heading) r << u"全体集合Uが実数のとき";
  r << SpeakExpression(ex.problem);
  if (p.m_bShowAnswer && !ex.problem.empty()) a << Answer(SpeakExpression(ex.answer));
}

void QuadraticReading(Speech& r, Speech& ans, const DrillPage& p) {
  const int kind = p.m_nAns, b = p.m_nB;
  // The page moves a off a root of the constant, as its painting does.
  const int a = p.m_nA * p.m_nA + b == 0 ? p.m_nA + 1 : p.m_nA;
  const int k = a * a + b;
  S left = SpeakPower(u"x", u"2");
  if (a != 0) left += Say(u"%s%dx", 2 * a < 0 ? u"ひく" : u"たす", std::abs(2 * a));
  if (k != 0) left += Say(u"%s%d", k < 0 ? u"ひく" : u"たす", std::abs(k));
  if (kind == 0) {
    r << u"「xが実数ならば、xの平方は正または0である」を使い、次の命題を証明せよ";
    r << u"「すべての実数xについて " + left + u" 大なり 0」";
  } else {
    r << u"次の命題の真偽をいえ";
    r << u"「ある実数xについて " + left + u" 小なり 0」";
  }
  if (!p.m_bShowAnswer) return;
  const S square =
      a != 0 ? Say(u"かっこ x %s%d かっことじ", a < 0 ? u"ひく" : u"たす", std::abs(a)) : S(u"x");
  r << u"左辺 イコール " + SpeakPower(square, u"2") +
           Say(u"%s%d", b < 0 ? u"ひく" : u"たす", std::abs(b));
  if (kind == 1) {
    r << Say(u"左辺は x イコール %dのとき 負になるので", -a);
    ans << Answer(u"「真」である");
    return;
  }
  r << u"左辺の " + square + u"の平方は0または正で、これに正の数を加えると、左辺は常に正となる";
  if (kind == 2) ans << Answer(u"よって、「偽」である");
}

void ProofReading(Speech& r, Speech& /*a: the proof is the answer*/, const DrillPage& p) {
  const bool answer = p.m_bShowAnswer != 0;
  r << u"次の命題を証明せよ";
  switch (p.m_nSubMode) {
    case 8:
      r << u"m、nが有理数のとき、m " + SpeakRoot(u"3") +
               u" たす n イコール 0 ならば、m イコール "
               u"n イコール 0";
      if (answer)
        r << u"m ノットイコール 0とすれば、" + SpeakRoot(u"3") +
                 u" イコール マイナス m分のnで、左辺は無理数、右辺は有理数であるから、矛盾する"
          << u"よって、m イコール 0。m イコール 0を代入して、n イコール 0";
      break;
    case 9:
      r << u"三角形ABCにおいて、AB 大なり AC ならば、角C 大なり 角B";
      if (answer)
        r << u"角C イコール 角Bならば、AB イコール AC。角C 小なり 角Bならば、AB 小なり AC"
          << u"残る条件は 角C 大なり 角B しかない。よって、AB 大なり ACならば角C 大なり 角B";
      break;
    case 10:
      r << u"三角形ABCにおいて、" + SpeakPower(u"BC", u"2") + u" イコール " +
               SpeakPower(u"AB", u"2") + u"たす" + SpeakPower(u"AC", u"2") +
               u" ならば、角A イコール 直角";
      if (answer)
        r << u"三角形A'B'C'を 角A' イコール 直角、A'B' イコール AB、A'C' イコール AC となるよう"
             u"に作る。三平方の定理より"
          << SpeakPower(u"B'C'", u"2") + u" イコール " + SpeakPower(u"A'B'", u"2") + u"たす" +
                 SpeakPower(u"A'C'", u"2") + u" イコール " + SpeakPower(u"AB", u"2") + u"たす" +
                 SpeakPower(u"AC", u"2") + u" イコール " + SpeakPower(u"BC", u"2")
          << u"ゆえに B'C' イコール BC これより 三角形ABC 合同 三角形A'B'C'"
          << u"ゆえに 角A イコール 角A' イコール 直角";
      break;
    case 11:
      r << u"1たす3たす5たす…たす、かっこ2nひく1かっことじ イコール " + SpeakPower(u"n", u"2");
      if (answer)
        r << u"n イコール 1のとき、1 イコール 1"
          << u"n イコール kのとき成立すると仮定すると、1たす3たす5たす…たす、かっこ2kひく1かっこ"
             u"とじ イコール " +
                 SpeakPower(u"k", u"2")
          << u"n イコール kたす1 のとき、1たす3たす5たす…たす、かっこ2kひく1かっことじ、たす、"
             u"かっこ2kたす1かっことじ イコール " +
                 SpeakPower(u"k", u"2") + u"たす、かっこ2kたす1かっことじ イコール " +
                 SpeakPower(u"かっこkたす1かっことじ", u"2");
      break;
    case 12:
      r << u"ab イコール 1ならば、" + SpeakFraction(u"a", u"aたす1") + u" たす " +
               SpeakFraction(u"b", u"bたす1") + u" イコール 1";
      if (answer)
        r << u"左辺 イコール、かっこaたす1かっことじ かっこbたす1かっことじ分の、abたすaたすab"
             u"たすb"
          << u"イコール 1 イコール 右辺";
      break;
    case 13:
      r << u"a、bが正の数のとき、aたすb 以上 2" + SpeakRoot(u"ab");
      if (answer)
        r << u"平方根 以上 0だから、平方の差をとる"
          << SpeakPower(u"かっこaたすbかっことじ", u"2") + u" ひく " +
                 SpeakPower(u"かっこ2" + SpeakRoot(u"ab") + u"かっことじ", u"2")
          << u"イコール " + SpeakPower(u"a", u"2") + u"たす2abたす" + SpeakPower(u"b", u"2") +
                 u"ひく4ab"
          << u"イコール " + SpeakPower(u"かっこaひくbかっことじ", u"2") +
                 u" 以上 0、等号は a イコール b のとき"
          << u"よって、与式は成立";
      break;
    default: break;
  }
}

void MultipleReading(Speech& r, Speech& a, const DrillPage& p) {
  const int m = p.m_nB;
  r << Say(
      u"0、1、2、3、4の異なる3つの数字を使って3桁の数字を作るとき、その数が %dの倍数に"
      u"なる確率を求めよ",
      m);
  r << u"100の位は1、2、3、4の4通り。10の位は0と100の位の数字を除いた数字の4通り。1の位は"
       u"100の位と10の位の数字を除いた数字の3通り";
  if (!p.m_bShowAnswer) return;
  const std::vector<std::u16string> numbers = DistinctDigitMultiples(m);
  const int count = static_cast<int>(numbers.size());
  r << u"3桁の数字は全部で 4かける4かける3 イコール 48通り";
  S list;
  for (const auto& n : numbers) list += (list.empty() ? u"" : u"、") + n;
  r << Say(u"%dの倍数は以下の %d通り。%s", m, count, list);
  a << Answer(u"よって、確率は ") +
           SpeakExpression(Say(u"%d/48", count) + ReducedSuffix(count, 48));
}

void ViewpointReading(Speech& r, Speech& a, const DrillPage& p) {
  switch (p.m_nSubMode) {
    case 0: {
      r << Say(u"つるとかめが池にいる。合わせて目が%d、足は %d本のとき、つるとかめは何匹いるか",
               p.m_nA, p.m_nB);
      if (!p.m_bShowAnswer) {
        r << Say(u"2xたす2y イコール %d、2xたす4y イコール %d を解いてもよいが", p.m_nA, p.m_nB);
        return;
      }
      const int heads = p.m_nA / 2;
      r << Say(u"合わせて、2分の目 イコール %d匹いる", heads);
      r << Say(u"もし %d匹全部つるとすると足は %d本だが", heads, p.m_nA);
      r << Say(u"余った %d本の足はかめの分で、2分の%d匹がかめだ", p.m_nB - p.m_nA, 2 * p.m_nAux1);
      a << Answer(Say(u"よって、つる %d匹、かめ %d匹", p.m_nAns, p.m_nAux1));
      return;
    }
    case 1:
      r << u"3個の細長いコップがある。どのコップも奇数になるように以下の玉を入れよ";
      r << Say(u"(1) %d個の玉。(2) %d個の玉", p.m_nA, p.m_nB);
      if (!p.m_bShowAnswer) return;
      a << Answer(Say(u"(1) 左から %d個、%d個、%d個", p.m_nAns, p.m_nAux1, p.m_nAux2));
      r << Say(u"(2) %d個の玉のコップを、%d個の玉のコップの中に入れる。右のコップは%d個", p.m_nAns,
               p.m_nAux1 - 1, p.m_nAux2);
      return;
    case 2:
      r << u"図の円環の部分の面積は、図の弦の長さが同じなら円の大きさに関係なく同じという。"
           u"円環部分の面積を求めよ";
      r << Say(u"弦の長さは%d", p.m_nA);
      if (!p.m_bShowAnswer) return;
      r << u"弦が半径の場合も面積が同じだから";
      a << Answer(Say(u"パイ かける %s イコール %dパイ", SpeakPower(SpeakNumber(p.m_nAns), u"2"),
                      p.m_nAns * p.m_nAns));
      return;
    default: return;
  }
}

}  // namespace

std::u16string CDrill::Reading() const {
  // The answer comes last, after the working that leads to it.
  Speech r, a;
  switch (m_nTopic) {
    case 2769: RoutesReading(r, a, *this); break;
    case 2770: FiguresReading(r, a, *this); break;
    case 2771: DistinctDigitsReading(r, a, *this); break;
    case 2772: DigitChoiceReading(r, a, *this); break;
    case 2775: TrinomialReading(r, a, *this); break;
    case 2776: BooksReading(r, a, *this); break;
    case 2777: ClosedStreetReading(r, a, *this); break;
    case 2778: QuadraticReading(r, a, *this); break;
    case 2779: ProofReading(r, a, *this); break;
    case 2781: MultipleReading(r, a, *this); break;
    case 2782: ViewpointReading(r, a, *this); break;
    case 2787: SetBasicsReading(r, a, *this); break;
    default: break;
  }
  return r << a.str();
}

}  // namespace vl
