// The histogram and the cumulative frequency graph of the frequency table's ten classes.
// Opened only from the frequency table, which fills the members before it runs.
#pragma once
#include <array>
#include <cstdint>

#include "topics/statistics/graph_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CGraph : public TopicDialog {
 public:
  explicit CGraph(Window* parent = nullptr);
  std::u16string Reading() const override;

  std::array<int16_t, graph::kClasses> m_nMid{};   // class values (kept, not drawn)
  std::array<int16_t, graph::kClasses> m_nFreq{};  // frequencies
  float m_fSd = 0.0f;                              // kept, not drawn
  float m_fMean = 0.0f;                            // kept, not drawn

 protected:
  void OnPaint(Dc& dc) override;

 private:
  // One graph's frame, axes, x labels and y labels; returns its scale.
  graph::Scale DrawAxes(Dc& dc, int left, int32_t largest);

  int m_nUx = 0;
  int m_nHy = 0;
};

}  // namespace vl
