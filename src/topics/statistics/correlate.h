// The correlation table of mathematics against science scores. The pupil can change any cell;
// the page works out the marginal sums and, by the difficulty level read at every paint, the
// means and the better-in-mathematics count (junior high) or the correlation coefficient
// (high school).
#pragma once
#include <cstdint>
#include <string>

#include "topics/statistics/correlate_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CCorrelate : public TopicDialog {
 public:
  explicit CCorrelate(Window* parent = nullptr);

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

  correlate::Table m_nTable{};  // index 5c + r: science class c, mathematics class r
  int32_t m_bNewLayout = 0;     // work out the layout at the next paint
  int16_t m_nSelCol = -1;       // selected cell, -1 = none
  int16_t m_nSelRow = -1;
  int16_t m_nGridX = 0;  // a cell is 6 of these wide
  int16_t m_nGridY = 0;  // row height
  int16_t m_nTop = 0;    // y of the table's top line

  // Rectangle of grid column j, grid row i (data cell (c, r) is column c + 1, row r + 1).
  Rect GridRect(int j, int i) const;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  void OnLButtonDown(Point p) override;
  bool OnCommand(int id, int code) override { return DispatchMessage(*this, kMessages, id, code); }

  void OnCountChange();
  void OnStart();

 private:
  void Layout();
  void DrawTable(Dc& dc, const correlate::Sums& sums, int lines);
  void DrawJuniorTexts(Dc& dc, const correlate::Sums& sums);
  void DrawSeniorTexts(Dc& dc, const correlate::Sums& sums);
  // "%3d" of v in grid column j, row i, 2ux to the right and 2 pixels down.
  void NumberAt(Dc& dc, int j, int i, int32_t v);

  static constexpr MessageEntry<CCorrelate> kMessages[] = {
      {114, kEnUpdate, &CCorrelate::OnCountChange},
      {101, kBnClicked, &CCorrelate::OnStart},
  };
};

}  // namespace vl
