// Statistics of a frequency table: ten classes with editable frequencies, the coded columns u,
// uf and u²f with their totals, the mean, the standard deviation and a deviation score.
#pragma once
#include <cstdint>
#include <string>
#include <optional>

#include "topics/statistics/toukei_logic.h"
#include "topics/topic_dialog.h"

namespace vl {

class CToukei : public TopicDialog {
 public:
  explicit CToukei(Window* parent = nullptr);

  std::string InvariantViolation() const override;
  std::u16string Reading() const override;

  // The opener's frequencies, kept instead of the defaults; call before DoModal.
  void GiveFrequencies(const toukei::Column& freq) {
    m_nFreq = freq;
    m_bFreqGiven = 1;
  }

  toukei::Column m_nMid{};   // class values x
  toukei::Column m_nFreq{};  // frequencies f
  int32_t m_bFreqGiven = 0;  // the opener supplied m_nFreq
  int16_t m_nSel = -1;       // selected row of the frequency column
  int16_t m_nScore = -1;     // score whose deviation score is asked
  float m_fSd = 0.0f;        // s of the last paint with data
  float m_fMean = 0.0f;      // m of the last paint with data

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  void OnLButtonDown(Point p) override;
  bool OnCommand(int id, int code) override { return DispatchMessage(*this, kMessages, id, code); }

  void OnInput();
  void OnDeviation();
  void OnGraph();

 private:
  // Reads a five-character box as a whole number; a refused text sends the focus back to it.
  std::optional<int16_t> ReadBox(int editId);
  void DrawTable(Dc& dc, const toukei::Totals& totals);
  void DrawResults(Dc& dc, const toukei::Totals& totals);
  // Text right-aligned to end at x.
  void TextTo(Dc& dc, int x, int y, std::u16string_view text);

  static constexpr MessageEntry<CToukei> kMessages[] = {
      {114, kBnClicked, &CToukei::OnInput},
      {116, kBnClicked, &CToukei::OnDeviation},
      {147, kBnClicked, &CToukei::OnGraph},
  };
};

}  // namespace vl
