#include <gtest/gtest.h>

#include "drill/drill_marking.h"

namespace vl {
namespace {

TEST(ParseAnswer, ReadsWhatAPupilTypes) {
  EXPECT_EQ(ParseAnswer(u"12"), (AnswerNumber{12, 1}));
  EXPECT_EQ(ParseAnswer(u"１２０"), (AnswerNumber{120, 1}));
  EXPECT_EQ(ParseAnswer(u" \u3000７０\u3000 "), (AnswerNumber{70, 1}));
  EXPECT_EQ(ParseAnswer(u"－３"), (AnswerNumber{-3, 1}));
  EXPECT_EQ(ParseAnswer(u"\u22123"), (AnswerNumber{-3, 1}));
  EXPECT_EQ(ParseAnswer(u"+5"), (AnswerNumber{5, 1}));
  EXPECT_EQ(ParseAnswer(u"１２／４８"), (AnswerNumber{1, 4}));
  EXPECT_EQ(ParseAnswer(u"-0"), (AnswerNumber{0, 1}));
  for (auto bad : {u"", u"  ", u"-", u"12個", u"1.5", u"1 2", u"1/0", u"/4", u"3/", u"--3",
                   u"1234567890", u"x"})
    EXPECT_FALSE(ParseAnswer(bad)) << "accepted a bad entry";
}

TEST(ParseAnswer, FormatsTheSameNumberBack) {
  EXPECT_EQ(FormatAnswer({-3, 1}), u"-3");
  EXPECT_EQ(FormatAnswer({1, 4}), u"1/4");
}

TEST(MarkingOf, NumbersAsThePagesPrintThem) {
  DrillSlots s;
  s.m_nAns = 5040;
  s.m_nAux1 = 504;
  EXPECT_EQ(MarkingOf(2771, s).answer, (AnswerNumber{4536, 1}));  // no leading zero
  s.m_nAux1 = 10;
  s.m_nAux2 = 4;
  EXPECT_EQ(MarkingOf(2777, s).answer, (AnswerNumber{212, 1}));  // 252 - 4 * 10
  s.m_nB = 2;  // multiples of 2 among the 48 numbers: 30 of them
  EXPECT_EQ(MarkingOf(2781, s).answer, (AnswerNumber{5, 8}));
  s.m_nSubMode = 2;
  s.m_nAns = 15;
  EXPECT_EQ(MarkingOf(2782, s).answer, (AnswerNumber{225, 1}));  // the coefficient of π
  s.m_nSubMode = 0;
  EXPECT_EQ(MarkingOf(2782, s).kind, MarkKind::kSelf);  // cranes and turtles: two numbers
  for (int code : {2778, 2779, 2787}) EXPECT_EQ(MarkingOf(code, s).kind, MarkKind::kSelf);
  EXPECT_EQ(MarkingOf(2773, s).kind, MarkKind::kNone);
}

}  // namespace
}  // namespace vl
