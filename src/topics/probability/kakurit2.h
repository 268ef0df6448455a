// Two dice (mode 0): the probability that the sum is s, and what goes wrong when unordered
// pairs are counted. Change of viewpoint (mode 1): the games of a knock-out tournament of n
// entrants, as a bracket and as the insight that every game knocks out one entrant.
#pragma once
#include <cstdint>

#include "topics/topic_dialog.h"

namespace vl {

class CKakurit2 : public TopicDialog {
 public:
  explicit CKakurit2(Window* parent = nullptr);

  // Which of the class's two topics it shows (set before DoModal).
  int16_t m_nMode = 0;
  int16_t m_nTarget = 8;      // mode 0: the sum s; mode 1: the number of entrants n
  int16_t m_bAlternate = 0;   // 1: the unordered-pairs or insight page
  int16_t m_nDrillTopic = 0;  // the drill code the drill button hands on

  void OnStart();
  void OnAlternate();
  void OnDrill();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void PaintOutcomes(Dc& dc);
  void PaintUnorderedPairs(Dc& dc);
  void PaintInsight(Dc& dc);
  void PaintBracket(Dc& dc);
  // A highlighter stroke under a line of text, then the text.
  void Highlight(Dc& dc, Color colour, int row, int length, std::u16string_view text);
  // "(", the two dice, ")" from column x (in units) on row y (pixels).
  void PaintPair(Dc& dc, int x, int y, int a, int b);
};

}  // namespace vl
