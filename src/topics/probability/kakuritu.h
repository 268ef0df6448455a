// The meaning of probability: a simulated die thrown once or ten times per button, with the
// frequency of each face, its statistical probability and the mathematical one.
#pragma once
#include <cstdint>

#include "topics/probability/kakuritu_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CKakuritu : public TopicDialog {
 public:
  explicit CKakuritu(Window* parent = nullptr);

  // The counts, the total and the last face thrown. Throws happen in the buttons only, so a
  // repaint never changes them.
  DieCounts m_counts;

  void OnTest1();
  void OnTest10();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void Throw(int throws);
};

}  // namespace vl
