#include "platform/script/memory_host.h"

#include "platform/recording_dc.h"
#include "platform/worksheet.h"

namespace vl {

MemoryHost::MemoryHost() = default;
MemoryHost::~MemoryHost() = default;

Window* MemoryHost::Top() const {
  if (!stack_.empty()) return stack_.back();
  return app_ ? app_->MainView() : nullptr;
}

void MemoryHost::PaintPending() {
  if (app_)
    if (Window* v = app_->MainView(); v && v->NeedsPaint()) PaintWindow(*v);
  for (Dialog* d : stack_)
    if (d->NeedsPaint() && !d->Ended()) PaintWindow(*d);
}

void MemoryHost::PaintWindow(Window& w) {
  RecordingDc dc;
  w.Paint(dc);
  lastOps_[&w] = dc.Take();
  OnPainted(w);
}

const DisplayList& MemoryHost::LastOps(Window& w) const {
  static const DisplayList kNone;
  auto it = lastOps_.find(&w);
  return it == lastOps_.end() ? kNone : it->second;
}

int MemoryHost::RunModal(Dialog& dlg) {
  int bx = 8, by = 16;
  const DialogTemplate* t = dlg.Template();
  DialogBaseUnits(t->fontFace, t->fontPoint, bx, by);
  dlg.Create(bx, by);
  stack_.push_back(&dlg);
  struct Pop {
    MemoryHost* h;
    Dialog* d;
    ~Pop() {
      if (!h->stack_.empty() && h->stack_.back() == d) h->stack_.pop_back();
      h->lastOps_.erase(d);
      d->SetPeer(nullptr);
      h->OnDialogClosed(*d);
    }
  } pop{this, &dlg};
  dlg.InitDialog();
  if (!dlg.Ended()) {
    dlg.Invalidate(true);
    PaintPending();
    Pump([&] { return dlg.Ended(); });
  }
  return dlg.Result();
}

int MemoryHost::MessageBox(Window*, std::u16string_view text, std::u16string_view caption,
                           unsigned) {
  messages_.emplace_back(std::u16string(caption), std::u16string(text));
  return kIdOk;
}

std::unique_ptr<Dc> MemoryHost::CreateMeasureDc(Window&) { return std::make_unique<RecordingDc>(); }

void MemoryHost::DialogBaseUnits(std::u16string_view, int, int& baseX, int& baseY) {
  baseX = 8;
  baseY = 16;
}

void MemoryHost::PrintWindow(Window& w, bool) {
  // The page is still drawn, as it would be for the printer.
  RecordingDc dc;
  w.DrawTo(dc);
  ++prints_;
}

bool MemoryHost::PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) {
  const WorksheetOptions& o = sheet.options;
  Json::Array drills;
  for (int code : o.drills) drills.push_back(code);
  const char* output = what == WorksheetOutput::kPdf     ? "pdf"
                       : what == WorksheetOutput::kPrint ? "print"
                                                         : "preview";
  worksheets_.push_back(Json::Object{{"output", output},
                                     {"drills", Json(std::move(drills))},
                                     {"count", o.count},
                                     {"seed", static_cast<long long>(o.seed)},
                                     {"versions", o.versions},
                                     {"title", Json(o.title)},
                                     {"pages", static_cast<int>(sheet.pages.size())}});
  return true;
}

bool MemoryHost::Post(std::u16string_view title, unsigned message, long wparam, long lparam) {
  if (!windows_.count(std::u16string(title))) return false;
  posted_.push_back({message, wparam, lparam});
  return true;
}

void MemoryHost::Open(const std::string& file, int command) { help_.push_back({file, command}); }

}  // namespace vl
