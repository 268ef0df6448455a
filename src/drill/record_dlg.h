// 学習記録: per drill kind the attempts, the right ones, the rate (with a bar) and the last
// date; the last 20 attempts with "もう一度" on the wrong ones; and the CSV export.
#pragma once
#include <vector>

#include "platform/record/learning_record.h"
#include "platform/window.h"

namespace vl {

class CRecordDlg : public Dialog {
 public:
  static constexpr int kRecent = 20;
  explicit CRecordDlg(Window* parent = nullptr);

  // What the page shows, as last read from the record.
  const std::vector<KindSummary>& Summaries() const { return summaries_; }
  const std::vector<Attempt>& Recent() const { return recent_; }
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  void OnPaint(Dc& dc) override;
  bool OnCommand(int id, int code) override;

 private:
  void Reload();
  void OnSaveCsv();
  void Again(int row);
  static const MessageEntry<CRecordDlg> kMessages[];

  std::vector<KindSummary> summaries_;
  std::vector<Attempt> recent_;
};

}  // namespace vl
