// Number of elements: a class, its boys and its pupils with glasses; the radio buttons pick a
// set, which the Venn diagram paints yellow with the subtraction giving its size.
#pragma once
#include <cstdint>

#include "topics/sets/set_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CSet : public TopicDialog {
 public:
  explicit CSet(Window* parent = nullptr);

  void OnGirls();
  void OnGirlsGlasses();
  void OnNoGlasses();
  void OnGirlsNoGlasses();
  void OnDrill();

  // Reads the four edit boxes; 0 when all pass and are stored, -1 after a refusal (the focus
  // goes to the first bad box and nothing is stored).
  int ReadCounts();

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

  Text<64> m_szFormula;
  Text<64> m_szAnswer;
  int16_t m_nChoice = 1;
  int16_t m_nClass = 50;
  int16_t m_nBoys = 24;
  int16_t m_nGlasses = 10;
  int16_t m_nBoysGlasses = 6;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void Choose(int16_t choice);
};

}  // namespace vl
