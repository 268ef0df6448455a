#include "drill/drill.h"

namespace vl {

namespace {
constexpr int kIdAnswer = 140;
}  // namespace

const MessageEntry<CDrill> CDrill::kMessages[] = {
    {kIdAnswer, kBnClicked, &CDrill::OnAnswer},
};

CDrill::CDrill(Window* parent, int16_t topic, int16_t subMode) : Dialog(110, parent) {
  m_nTopic = topic;
  m_nSubMode = subMode;
}

bool CDrill::OnInitDialog() {
  Dialog::OnInitDialog();
  const TextMetrics tm = GetTextMetrics();
  m_nUnitX = static_cast<int16_t>(tm.aveCharWidth);
  m_nUnitY = static_cast<int16_t>(tm.height + tm.externalLeading);
  Srand(static_cast<uint32_t>(Time()));
  static_cast<DrillSlots&>(*this) = GenerateDrill(m_nTopic, *this, CRandom::Global());
  m_bShowAnswer = 0;
  return true;
}

void CDrill::OnAnswer() {
  m_bShowAnswer = 1;
  Invalidate(true);
}

bool CDrill::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

void CDrill::OnPaint(Dc& dc) {
  dc.SetBkMode(BkMode::kTransparent);
  PaintDrillPage(dc, *this);
}

}  // namespace vl
