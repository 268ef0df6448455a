// Proof (mode 0) and basics of sets (mode 1): a drop-down list of items, each a fixed page.
// Proof pages carry an emblem whose colour follows the item; set pages hatch the region of the
// notion on one Venn diagram.
#pragma once
#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>

#include "topics/sets/testify_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CTestify : public TopicDialog {
 public:
  explicit CTestify(Window* parent = nullptr);

  void OnSelectItem();
  void OnDrill();
  std::u16string Reading() const override;

  // Which of the class's two topics it shows (set before DoModal).
  int16_t m_nMode = 0;
  Text<64> m_szLines[10];
  int16_t m_nChoice = 0;
  int16_t m_nDrillTopic = 0;
  int16_t m_nDrillItem = 0;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  double Radians(int degrees) const { return degrees * m_dPi / 180; }
  void DrawEmblem(Dc& dc, const Rect& box);
  void DrawOpening(Dc& dc);
  void DrawProofPage(Dc& dc);
  void DrawEqualities(Dc& dc);
  void DrawInequalities(Dc& dc);
  void DrawSetPage(Dc& dc);
  void DrawSetExtras(Dc& dc, const SetDiagram& d);

  // The pages' regions depend only on the layout and the item: worked out once, not per paint.
  const Region& Emblem(const Rect& box);
  const Region& Hatched(int item, const SetDiagram& d);
  std::optional<std::pair<Rect, Region>> emblem_;
  std::optional<std::tuple<int, Rect, Region>> hatched_;
};

}  // namespace vl
