// Organising data: fifty pupils' scores in a 5 x 10 table with their statistics; a score can be
// changed, the table sorted, and the frequency table opened on these scores.
#pragma once
#include <cstdint>
#include <string>

#include "topics/statistics/arrange_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CArrange : public TopicDialog {
 public:
  explicit CArrange(Window* parent = nullptr);

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

  arrange::Scores m_nScore{};      // table order; negative = absent
  int16_t m_nNewScore = 0;         // the last accepted value of edit 145
  arrange::Frequencies m_nFreq{};  // handed to the frequency table
  int32_t m_bToStatistics = 0;     // 1 while the frequency table runs from here
  int16_t m_nSelected = -1;        // selected cell 0..49, -1 = none

  // Rectangle of cell i (row i / 10, column i % 10) in client pixels.
  Rect CellRect(int i) const;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  void OnLButtonDown(Point p) override;
  bool OnCommand(int id, int code) override { return DispatchMessage(*this, kMessages, id, code); }

  void OnFrequency();
  void OnSort();
  void OnChange();

 private:
  static constexpr MessageEntry<CArrange> kMessages[] = {
      {143, kBnClicked, &CArrange::OnFrequency},
      {144, kBnClicked, &CArrange::OnSort},
      {114, kBnClicked, &CArrange::OnChange},
  };
};

}  // namespace vl
