#include "drill/drill.h"

#include "platform/record/learning_record.h"

namespace vl {

namespace {
constexpr int kIdAnswer = 140;
constexpr int kIdInput = 141;
constexpr int kIdMark = 142;
constexpr int kIdVerdict = 143;
constexpr int kIdDone = 144;
constexpr int kIdNotYet = 145;
constexpr Color kCalmGreen = Rgb(208, 236, 208);
}  // namespace

const MessageEntry<CDrill> CDrill::kMessages[] = {
    {kIdAnswer, kBnClicked, &CDrill::OnAnswer},
    {kIdMark, kBnClicked, &CDrill::OnMark},
    {kIdDone, kBnClicked, &CDrill::OnDone},
    {kIdNotYet, kBnClicked, &CDrill::OnNotYet},
};

CDrill::CDrill(Window* parent, int16_t topic, int16_t subMode, std::optional<uint32_t> seed)
    : Dialog(110, parent), openSubMode_(subMode), fixedSeed_(seed) {
  m_nTopic = topic;
  m_nSubMode = subMode;
}

bool CDrill::OnInitDialog() {
  Dialog::OnInitDialog();
  const TextMetrics tm = GetTextMetrics();
  m_nUnitX = static_cast<int16_t>(tm.aveCharWidth);
  m_nUnitY = static_cast<int16_t>(tm.height + tm.externalLeading);
  seed_ = fixedSeed_ ? *fixedSeed_ : static_cast<uint32_t>(Time());
  Srand(seed_);
  static_cast<DrillSlots&>(*this) = GenerateDrill(m_nTopic, *this, CRandom::Global());
  m_bShowAnswer = 0;
  marking_ = MarkingOf(m_nTopic, *this);
  if (marking_.kind != MarkKind::kNumber) {
    ShowItem(kIdInput, false);
    ShowItem(kIdMark, false);
  }
  if (marking_.kind == MarkKind::kNone) ShowItem(kIdVerdict, false);
  return true;
}

void CDrill::OnAnswer() {
  m_bShowAnswer = 1;
  if (marking_.kind == MarkKind::kSelf && GetDlgItemText(kIdVerdict).empty()) {
    ShowItem(kIdDone, true);
    ShowItem(kIdNotYet, true);
  }
  ShowVerdict();
  Invalidate(true);
}

void CDrill::Record(std::u16string answer, std::u16string expected, bool correct) {
  Attempt a;
  a.time = Time();
  a.code = m_nTopic;
  a.subMode = openSubMode_;
  a.seed = seed_;
  a.answer = std::move(answer);
  a.expected = std::move(expected);
  a.correct = correct;
  LearningRecord::Current().Append(a);
}

void CDrill::OnMark() {
  if (marking_.kind != MarkKind::kNumber) return;
  const std::u16string typed = GetDlgItemText(kIdInput);
  const std::optional<AnswerNumber> n = ParseAnswer(typed);
  if (!n) {
    // Nothing is marked or recorded for an entry that is not a number.
    MessageBox(u"答えを数で入れてください（例: 12、-3、1/4）。", kAppCaption,
               kMbOk | kMbIconExclamation);
    GotoDlgCtrl(kIdInput);
    return;
  }
  const bool right = *n == marking_.answer;
  Record(typed, FormatAnswer(marking_.answer), right);
  verdict_ = right ? Verdict::kRight : Verdict::kWrong;
  ShowVerdict();
  Invalidate(true);
}

// Line 1: the verdict; line 2, once the answer is shown: the right number.
void CDrill::ShowVerdict() {
  if (marking_.kind != MarkKind::kNumber) return;
  std::u16string text = verdict_ == Verdict::kRight   ? u"正解！"
                        : verdict_ == Verdict::kWrong ? u"ちがいます"
                                                      : u"";
  if (m_bShowAnswer) text += u"\n正解 " + FormatAnswer(marking_.answer);
  if (text != GetDlgItemText(kIdVerdict)) SetDlgItemText(kIdVerdict, text);
}

void CDrill::Assess(bool done) {
  Record(done ? u"できた" : u"まだ", u"", done);
  ShowItem(kIdDone, false);
  ShowItem(kIdNotYet, false);
  SetDlgItemText(kIdVerdict, u"記録済み");
  Invalidate(true);
}

void CDrill::OnDone() { Assess(true); }
void CDrill::OnNotYet() { Assess(false); }

bool CDrill::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

void CDrill::OnPaint(Dc& dc) {
  // A right answer's verdict stands on a calm green.
  if (verdict_ == Verdict::kRight) dc.FillRect(GetItemRect(kIdVerdict), SolidBrush(kCalmGreen));
  dc.SetBkMode(BkMode::kTransparent);
  PaintDrillPage(dc, *this);
}

}  // namespace vl
