// Inference: when p implies q, which conclusions are valid. The page is one fixed Venn
// diagram ({p} inside {q}); each radio button shows an everyday example in a message box.
#pragma once
#include <string_view>

#include "topics/topic_dialog.h"

namespace vl {

// The example of inference a) to d) (index 0..3); empty for any other index.
std::u16string_view InductExample(int index);
// The two texts of "詳細", in the order they are shown.
std::u16string_view InductDetail(int index);

class CInduct : public TopicDialog {
 public:
  explicit CInduct(Window* parent = nullptr);

  void OnDetail();
  void OnExampleA() { ShowExample(0); }
  void OnExampleB() { ShowExample(1); }
  void OnExampleC() { ShowExample(2); }
  void OnExampleD() { ShowExample(3); }
  void OnDrill();
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void ShowExample(int index);
};

}  // namespace vl
