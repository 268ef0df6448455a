#include "drill/drill_generators.h"

namespace vl {

namespace {

int16_t S16(int v) { return static_cast<int16_t>(v); }

// The three-reference-books class: the seven regions of the Venn figure are drawn, so every
// class is a real one (no region below 0, at most 39 pupils with a book), and the printed
// counts are derived from them.
void GenerateBooks(DrillSlots& s, CRandom& rng) {
  int all, e, f, g, b, c, d;
  do {
    all = rng.Next() % 6 + 10;
    e = rng.Next() % 4 + 3;  // English and maths only
    f = rng.Next() % 4 + 3;  // maths and Japanese only
    g = rng.Next() % 4 + 3;  // Japanese and English only
    b = rng.Next() % 4;      // English only
    c = rng.Next() % 4;      // maths only
    d = rng.Next() % 4;      // Japanese only
  } while (b + c + d + e + f + g + all > 39);
  s.m_nH = S16(all);
  s.m_nB = S16(b + e + g + all);
  s.m_nC = S16(c + e + f + all);
  s.m_nD = S16(d + f + g + all);
  s.m_nE = S16(e + all);
  s.m_nF = S16(f + all);
  s.m_nG = S16(g + all);
  s.m_nAux1 = S16(s.m_nB + s.m_nC + s.m_nD - s.m_nE - s.m_nF - s.m_nG + s.m_nH);
  s.m_nAns = S16(40 - s.m_nAux1);
}

}  // namespace

int16_t FallingProduct(int top, int count) {
  int16_t v = 1;
  for (int i = 0; i < count; ++i) v = S16(v * (top - i));
  return v;
}

int16_t Binomial16(int top, int k) {
  int16_t v = 1;
  for (int i = 0; i < k; ++i) v = S16(S16(v * (top - i)) / (i + 1));
  return v;
}

DrillSlots GenerateDrill(int16_t code, DrillSlots s, CRandom& rng) {
  auto draw = [&rng](int k) { return rng.Next() % k; };
  switch (code) {
    case 2769:
      s.m_nA = S16(draw(4) + 2);
      s.m_nB = S16(draw(4) + 2);
      s.m_nAns = S16(s.m_nA * s.m_nB);
      break;
    case 2770:
      s.m_nSubMode = S16(draw(2) + 1);
      s.m_nAns = s.m_nSubMode == 1 ? 5 : 9;
      break;
    case 2771:
      s.m_nA = S16(draw(4) + 2);
      s.m_nAns = FallingProduct(10, s.m_nA);
      s.m_nAux1 = FallingProduct(9, s.m_nA - 1);
      break;
    case 2772:
      s.m_nA = S16(draw(6) + 2);
      s.m_nAns = FallingProduct(8, s.m_nA - 2);
      s.m_nAux1 = FallingProduct(s.m_nA - 2, s.m_nA - 2);
      s.m_nAns = S16(s.m_nAns / s.m_nAux1);
      break;
    case 2775:
      s.m_nA = S16(draw(10) + 2);
      s.m_nAux1 = S16(s.m_nA + 2);
      s.m_nAns = Binomial16(s.m_nAux1, s.m_nA);
      break;
    case 2776: GenerateBooks(s, rng); break;
    case 2777: {
      s.m_nA = S16(draw(6));
      int d = draw(5);
      s.m_nB = S16(d + 1);
      s.m_nP = S16(10 - s.m_nB - s.m_nA);
      s.m_nQ = S16(s.m_nA + s.m_nB - 1);
      s.m_nAns = 252;
      s.m_nAux1 = Binomial16(s.m_nP, 5 - s.m_nA);
      s.m_nAux2 = Binomial16(s.m_nQ, s.m_nA);
      break;
    }
    case 2778:
      s.m_nAns = S16(draw(3));
      s.m_nA = S16(-1 - draw(5));
      s.m_nB = s.m_nAns == 1 ? S16(-1 - draw(4)) : S16(draw(4) + 1);
      break;
    case 2781: s.m_nB = S16(draw(8) + 2); break;
    case 2782:
      s.m_nSubMode = S16(draw(3));
      if (s.m_nSubMode == 0) {
        s.m_nAns = S16(draw(10) + 5);
        s.m_nAux1 = S16(draw(10) + 5);
        s.m_nA = S16(2 * (s.m_nAns + s.m_nAux1));
        s.m_nB = S16(2 * s.m_nAns + 4 * s.m_nAux1);
      } else if (s.m_nSubMode == 1) {
        s.m_nAns = S16(2 * draw(3) + 1);
        s.m_nAux1 = S16(2 * draw(4) + 1);
        s.m_nAux2 = S16(2 * draw(5) + 3);
        s.m_nA = S16(s.m_nAns + s.m_nAux1 + s.m_nAux2);
        s.m_nB = S16(s.m_nA - 1);
      } else {
        s.m_nA = S16(10 * draw(10) + 30);
        s.m_nAns = S16(s.m_nA / 2);
      }
      break;
    case 2787:
      s.m_nA = S16(2 * draw(3) + 2);
      s.m_nB = S16(draw(3) + 2);
      s.m_nC = S16(s.m_nA * s.m_nB);
      break;
    default:  // 2779 takes its item from the caller; other codes have no exercise
      break;
  }
  return s;
}

}  // namespace vl
