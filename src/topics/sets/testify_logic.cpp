#include "topics/sets/testify_logic.h"

namespace vl {

namespace {
constexpr std::u16string_view kProofItems[] = {
    u"      項目を選択して下さい。",
    u"(01)  証明の核心",
    u"(02)  命題",
    u"(03)  公理",
    u"(04)  演繹的推論",
    u"(05)  帰納的推論",
    u"(06)  直接証明法",
    u"(07)  間接証明法",
    u"(08)  間接証明法 (背理法)",
    u"(09)  間接証明法 (転換法)",
    u"(10)  間接証明法 (同一法)",
    u"(11)  数学的帰納法",
    u"(12)  等式の証明",
    u"(13)  不等式の証明",
};

constexpr std::u16string_view kSetItems[] = {
    u"(01)  集合の表し方",
    u"(02)  元（要素element）",
    u"(03)  部分集合",
    u"(04)  結び（合併集合、和集合）",
    u"(05)  交わり（共通部分、積集合）",
    u"(06)  差",
    u"(07)  補集合",
    u"(08)  ド・モルガンの法則（１）",
    u"(09)  ド・モルガンの法則（２）",
};

constexpr std::u16string_view kProof1[] = {
    u" 証明はすべての人に対して有効でなければならない。",
    u"すべての人に自分の意見を受け入れさせるには道理が",
    u"あるだけでは十分でなく、自分自身を受け入れさせる",
    u"ことも必要である。一方で自分の心を根拠に対して開き、",
    u"他方で自分の根拠を相手に同意させねばならない",
    u"自己批判が大切であり、この鍛練が数学の本質でもある。",
};
constexpr std::u16string_view kProof2[] = {
    u" 一つの判断または主張を表す文章で、それが真であるか",
    u"偽であるか判断できるもの。",
    u"「～ならば、～である」で述べられるものが多い。",
};
constexpr std::u16string_view kProof3[] = {
    u" 人はすべてを疑うことができる。しかし、何事も前提",
    u"なしで始まらない。デカルトの「我思う。ゆえに我あり。",
    u"」は、哲学の根本として有名。数学では、「公理」が",
    u"根本の仮定である。",
    u"例「異なる２点を通る直線はただ１つある」",
};
constexpr std::u16string_view kProof4[] = {
    u" 一般的原理（既知の事柄）から特殊的事実（個々の命題）",
    u"を推論する方法。主に、三段論法が用いられる。証明された",
    u"命題は、絶対に「真」である。帰納的推論を参照すること。",
};
constexpr std::u16string_view kProof5[] = {
    u" 多くの特殊的事実（個々の命題）から一般的原理を推論",
    u"（類推）する方法。この方法は新しい法則を発見するのに",
    u"きわめて有効であるが、得られた法則が絶対に「真」であ",
    u"るという保証はない。ただし、数学的帰納法から得られた",
    u"命題は真である。演繹的推論を参照すること。",
};
constexpr std::u16string_view kProof6[] = {
    u" 公理または既知の定理を用いて、命題の仮定から順次",
    u"推論を進めて、直接に命題の結論を導く証明方法。",
};
constexpr std::u16string_view kProof7[] = {
    u" 命題の仮定から直接その結論を導くことが困難なとき、",
    u"間接的に命題の真偽を論証する方法。",
    u"これには、背理法、転換法、同一法がある。",
};
constexpr std::u16string_view kProof8[] = {
    u" 命題の結論を否定することにより、命題の仮定あるいは",
    u"既知の事柄に矛盾した結果を導き、その矛盾により、命題",
    u"命題の結論を否定することが論理的に誤りであることを示し",
    u"命題の結論の正しいことを主張する方法。",
};
constexpr std::u16string_view kProof9[] = {
    u" ［ＰならばＱである」という命題を証明するとき、Ｐとい",
    u"う仮定のもとに起る場合がＱ,Ｒ,･･･,Ｚであるとき、Ｒ、･･",
    u"･,Ｚが成立するときは条件Ｐと矛盾することを示し、Ｐとい",
    u"う条件のもとではＱでなければならないことを主張する方法",
};
constexpr std::u16string_view kProof10[] = {
    u" 「ＰならばＱである」という命題を証明するのに、まず",
    u"Ｑの条件を満たすＲを考え、ＱとＲとが一致することから",
    u"結論を導く方法。",
};
constexpr std::u16string_view kProof11[] = {
    u" n=1のとき正しいことが証明されるとき、n=rで正しいこと",
    u"を仮定し、これを利用してn=r+1の場合に命題が正しいこと",
    u"が証明できれば、命題は一般にすべての自然数に対して成立",
    u"する。この証明法を「数学的帰納法」という。",
};
constexpr std::u16string_view kProof12[] = {
    u"等式 A=B を示すには ",
    u"  (1) A=････->=B",
    u"  (2) A=P, B=P  ∴A=B",
    u"  (3) A-B=0     ∴A=B",
    u"技法",
    u"  (1) 実数a,b,cのどれかが ０である",
    u"        <=> abc=0",
    u"  (2) 実数a,b,cがすべて ０である",
};
constexpr std::u16string_view kProof13[] = {
    u"不等式 A>B を示すには",
    u"  (1) A-B>0",
    u"  (2) A≧0, B≧0のとき",
    u"  (3) 不等式の公式活用（技法参照）",
    u"技法",
    u"  (1) (正)(正)>0 (負)(負)>0",
    u"  (2) 相加平均≧相乗平均",
    u"",
};

constexpr std::span<const std::u16string_view> kProofPages[] = {
    kProof1, kProof2, kProof3,  kProof4,  kProof5,  kProof6,  kProof7,
    kProof8, kProof9, kProof10, kProof11, kProof12, kProof13,
};

constexpr std::u16string_view kDefA = u"A={x|xは 12の約数}";
constexpr std::u16string_view kElemA = u" ={1,2,3,4,6,12}";
constexpr std::u16string_view kDefB = u"B={x|xは 16の約数}";
constexpr std::u16string_view kElemB = u" ={1,2,4,8,16}";
constexpr std::u16string_view kDefC = u"C={x|xは 4の約数}";
constexpr std::u16string_view kElemC = u" ={1,2,4}";
constexpr std::u16string_view kUniverse = u"全体集合Ｕ={16以下の自然数}とすると";

constexpr SetPageText kSetPages[] = {
    {{u"1:{}の中に元を列挙する。", u"例 A ={1,2,3,4,6,12}", u"2:{x|xの条件}",
      u"例 A={x|xは 12の約数}"},
     {},
     {}},
    {{kDefA, kElemA, u"3∈A (3は Aの元)", u"8∈A (8は Aの元でない)"}, {}, {}},
    {{kDefA, kElemA, kDefC, kElemC}, {}, u"Cの全ての元は Aの元！"},
    {{kDefA, kElemA, kDefB, kElemB}, {}, u"{1,2,3,4,6,8,12,16}"},
    {{kDefA, kElemA, kDefB, kElemB}, {}, u"{1,2,4}"},
    {{kDefA, kElemA, kDefB, kElemB}, {}, u"{3,6,12}"},
    {{kDefA, kElemA, {}, {}}, kUniverse, u"{5,7,8,9,10,11,13,14,15,16}"},
    {{kDefA, kElemA, kDefB, kElemB}, kUniverse, u"{5,7,9,10,11,13,14,15}"},
    {{kDefA, kElemA, kDefB, kElemB}, kUniverse, u"{3,5,6,7,8,9,10,11,12,13,14,15,16}"},
};

Rect CircleBox(Point c, int r) { return {c.x - r, c.y - r, c.x + r, c.y + r}; }
}  // namespace

std::span<const std::u16string_view> TestifyItems(int mode) {
  if (mode == kSetsMode) return kSetItems;
  return kProofItems;
}

std::optional<DrillChoice> TestifyDrill(int mode, int choice) {
  if (mode == kSetsMode) return DrillChoice{2787, static_cast<int16_t>(choice)};
  if (choice < 8) return std::nullopt;
  return DrillChoice{2779, static_cast<int16_t>(choice)};
}

std::span<const std::u16string_view> ProofLines(int item) {
  if (item < 1 || item > 13) return {};
  return kProofPages[item - 1];
}

Region EmblemRegion(const Rect& box) {
  const int l = box.left, t = box.top, r = box.right, b = box.bottom;
  const int w = r - l, h = b - t;
  const int cx = l + w / 2, cy = t + h / 2;
  Region e1 = Region::FromEllipse({l, t + h / 3, l + w / 2, t + 2 * (h / 3)});
  Region e2 = Region::FromEllipse({cx, t + h / 3, r, t + 2 * (h / 3)});
  Region e3 = Region::FromEllipse({l + w / 3, t, l + 2 * (w / 3), cy});
  Region e4 = Region::FromEllipse({l + w / 3, cy, l + 2 * (w / 3), b});
  return Region::Combined(Region::Combined(e1, e2, CombineMode::kOr),
                          Region::Combined(e3, e4, CombineMode::kOr), CombineMode::kXor);
}

Rect SetDiagram::BoxA() const { return CircleBox(centreA, radius); }
Rect SetDiagram::BoxB() const { return CircleBox(centreB, radius); }
Rect SetDiagram::BoxC() const { return CircleBox(centreA, radius / 2); }

SetDiagram MakeSetDiagram(int unitX, int unitY) {
  const int y = unitY;
  return {{unitX, 3 * y, 12 * y, 10 * y}, {4 * y, 7 * y}, {8 * y, 7 * y}, 5 * y / 2};
}

Region SetPageRegion(int item, const SetDiagram& d) {
  const Region u = Region::FromRect(d.universe);
  const Region a = Region::FromEllipse(d.BoxA());
  const Region b = Region::FromEllipse(d.BoxB());
  switch (item) {
    case 0:
    case 1: return a;
    case 2: return Region::FromEllipse(d.BoxC());
    case 3: return Region::Combined(a, b, CombineMode::kOr);
    case 4: return Region::Combined(a, b, CombineMode::kAnd);
    case 5: return Region::Combined(a, b, CombineMode::kDiff);
    case 6: return Region::Combined(u, a, CombineMode::kXor);
    case 7: return Region::Combined(u, Region::Combined(a, b, CombineMode::kOr), CombineMode::kXor);
    case 8:
      return Region::Combined(u, Region::Combined(a, b, CombineMode::kAnd), CombineMode::kXor);
    default: return {};
  }
}

SetPageText SetPageLines(int item) {
  if (item < 0 || item > 8) return {};
  return kSetPages[item];
}

}  // namespace vl
