// "プリント作成": the teacher picks drill kinds, the number of exercises and versions, a title
// and a seed, then previews, saves as PDF or prints the worksheet through the host.
#pragma once
#include <optional>

#include "platform/window.h"
#include "platform/worksheet.h"

namespace vl {

class CWorksheetDlg : public Dialog {
 public:
  explicit CWorksheetDlg(Window* parent = nullptr);

  // The options the controls hold; nothing after telling the user what to mend.
  std::optional<WorksheetOptions> ReadOptions();
  std::u16string Reading() const override;

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;

 private:
  void OnPreview();
  void OnPdf();
  void OnPrint();
  void Make(WorksheetOutput what);
  static const MessageEntry<CWorksheetDlg> kMessages[];
};

}  // namespace vl
