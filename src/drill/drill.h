// The drill: a random exercise of a topic's kind, its worked answer on "答え", and the marking
// of the pupil's answer into the learning record.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "drill/drill_marking.h"
#include "drill/drill_pages.h"
#include "platform/window.h"

namespace vl {

class CDrill : public Dialog, public DrillPage {
 public:
  // topic: the drill code; subMode: the variant some codes take. Without a seed the exercise
  // is drawn from the clock, as before; with one, that exercise again.
  CDrill(Window* parent, int16_t topic, int16_t subMode = 0,
         std::optional<uint32_t> seed = std::nullopt);

  // The seed the exercise was drawn from (known once the dialog has opened).
  uint32_t Seed() const { return seed_; }
  const DrillMarking& Marking() const { return marking_; }
  std::u16string Reading() const override;  // drill_reading.cpp

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void OnAnswer();
  void OnMark();
  void OnDone();
  void OnNotYet();
  void Assess(bool done);
  void Record(std::u16string answer, std::u16string expected, bool correct);
  void ShowVerdict();
  static const MessageEntry<CDrill> kMessages[];

  int16_t openSubMode_;
  std::optional<uint32_t> fixedSeed_;
  uint32_t seed_ = 0;
  DrillMarking marking_;
  enum class Verdict { kNone, kRight, kWrong } verdict_ = Verdict::kNone;
};

}  // namespace vl
