#include "app/worksheet_dlg.h"

#include <string>

#include "drill/worksheet_layout.h"
#include "platform/runtime.h"
#include "resources/resource_ids.h"

namespace vl {

namespace {
constexpr int kFirstKind = 150;
constexpr int kCount = 170, kVersions = 171, kTitle = 172, kSeed = 173;
constexpr int kPreview = 180, kPdf = 181, kPrint = 182;

}  // namespace

const MessageEntry<CWorksheetDlg> CWorksheetDlg::kMessages[] = {
    {kPreview, kBnClicked, &CWorksheetDlg::OnPreview},
    {kPdf, kBnClicked, &CWorksheetDlg::OnPdf},
    {kPrint, kBnClicked, &CWorksheetDlg::OnPrint},
};

CWorksheetDlg::CWorksheetDlg(Window* parent) : Dialog(res::kIddWorksheet, parent) {}

bool CWorksheetDlg::OnCommand(int id, int code) {
  return DispatchMessage(*this, kMessages, id, code);
}

bool CWorksheetDlg::OnInitDialog() {
  Dialog::OnInitDialog();
  int id = kFirstKind;
  for (const WorksheetKind& k : WorksheetKinds()) {
    SetDlgItemText(id, k.name);
    CheckDlgButton(id++, true);
  }
  SetDlgItemText(kCount, u"12");
  SetDlgItemText(kVersions, u"1");
  SetDlgItemText(kTitle, kDefaultWorksheetTitle);
  // A fresh seed each time; it stays in view, so the same sheet can be made again.
  const std::string seed = std::to_string(static_cast<uint32_t>(Time()));
  SetDlgItemText(kSeed, std::u16string(seed.begin(), seed.end()));
  return true;
}

std::optional<WorksheetOptions> CWorksheetDlg::ReadOptions() {
  WorksheetOptions o;
  int id = kFirstKind;
  for (const WorksheetKind& k : WorksheetKinds())
    if (IsDlgButtonChecked(id++)) o.drills.push_back(k.code);
  auto refuse = [this](int control, std::u16string_view text) {
    MessageBox(text, kAppCaption, kMbIconExclamation);
    if (control) GotoDlgCtrl(control);
    return std::nullopt;
  };
  if (o.drills.empty()) return refuse(kFirstKind, u"問題の種類を一つ以上選んでください。");
  const auto count = WorksheetNumber(GetDlgItemText(kCount), kWorksheetMinCount, kWorksheetMaxCount);
  if (!count) return refuse(kCount, u"問題数は1から40までの数で入れてください。");
  const auto versions =
      WorksheetNumber(GetDlgItemText(kVersions), kWorksheetMinVersions, kWorksheetMaxVersions);
  if (!versions) return refuse(kVersions, u"版の数は1から10までの数で入れてください。");
  const auto seed = WorksheetNumber(GetDlgItemText(kSeed), 0, 4294967295LL);
  if (!seed) return refuse(kSeed, u"乱数の種は0から4294967295までの数で入れてください。");
  o.count = static_cast<int>(*count);
  o.versions = static_cast<int>(*versions);
  o.seed = static_cast<uint32_t>(*seed);
  o.title = GetDlgItemText(kTitle);
  return o;
}

void CWorksheetDlg::Make(WorksheetOutput what) {
  if (auto options = ReadOptions())
    Host::Current().PrintWorksheet(LayOutWorksheet(std::move(*options)), what);
}

void CWorksheetDlg::OnPreview() { Make(WorksheetOutput::kPreview); }
void CWorksheetDlg::OnPdf() { Make(WorksheetOutput::kPdf); }
void CWorksheetDlg::OnPrint() { Make(WorksheetOutput::kPrint); }

std::u16string CWorksheetDlg::Reading() const {
  return u"プリント作成。ドリルの種類を選び、問題の数、枚数、題を入れて、"
         u"プレビュー、PDF保存、印刷のどれかを押します。";
}

}  // namespace vl
