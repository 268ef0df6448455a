#include "platform/window.h"

#include <algorithm>

#include "platform/dc.h"

namespace vl {

namespace {
Host* g_host = nullptr;

std::vector<const DialogTemplate*>& Templates() {
  static std::vector<const DialogTemplate*> t;
  return t;
}
}  // namespace

Host& Host::Current() { return *g_host; }
void Host::SetCurrent(Host* host) { g_host = host; }

namespace {
int g_liveWindows = 0;
int g_liveTimers = 0;
}  // namespace

Window::Window() { ++g_liveWindows; }

Window::~Window() {
  --g_liveWindows;
  g_liveTimers -= static_cast<int>(timers_.size());
}

int Window::LiveWindows() { return g_liveWindows; }
int Window::LiveTimers() { return g_liveTimers; }

void Window::InvalidateRect(const Rect& r, bool erase) {
  Rect area = r.Intersect(GetClientRect());
  if (area.IsEmpty()) return;
  invalid_ = invalid_.Union(area);
  invalidErase_ = invalidErase_ || erase;
  if (peer_) peer_->OnInvalidate(area, erase);
}

void Window::Paint(Dc& dc) {
  invalid_ = {};
  invalidErase_ = false;
  ++paints_;
  DoPaint(dc);
}

bool Window::SetTimer(int id, int ms) {
  if (!timers_.count(id)) ++g_liveTimers;
  timers_[id] = ms;
  if (peer_) peer_->OnTimersChanged();
  return true;
}

bool Window::KillTimer(int id) {
  bool had = timers_.erase(id) > 0;
  if (had) --g_liveTimers;
  if (had && peer_) peer_->OnTimersChanged();
  return had;
}

int Window::MessageBox(std::u16string_view text, std::u16string_view caption, unsigned type) {
  return Host::Current().MessageBox(this, text, caption, type);
}

TextMetrics Window::GetTextMetrics() {
  auto dc = Host::Current().CreateMeasureDc(*this);
  return dc->GetTextMetrics();
}

const DialogTemplate* FindDialogTemplate(int id) {
  for (auto* t : Templates())
    if (t->id == id) return t;
  return nullptr;
}

void RegisterDialogTemplate(const DialogTemplate& t) {
  auto& all = Templates();
  auto it = std::find_if(all.begin(), all.end(), [&](auto* p) { return p->id == t.id; });
  if (it != all.end())
    *it = &t;
  else
    all.push_back(&t);
}

std::vector<const DialogTemplate*> AllDialogTemplates() { return Templates(); }

Dialog::Dialog(int templateId, Window* parent)
    : templateId_(templateId), template_(FindDialogTemplate(templateId)), parent_(parent) {
  if (template_) title_ = template_->title;
}

int Dialog::DoModal() {
  if (!template_) return -1;  // a dialog that cannot be created returns at once
  ended_ = false;
  return Host::Current().RunModal(*this);
}

void Dialog::EndDialog(int result) {
  if (ended_) return;
  ended_ = true;
  result_ = result;
  if (peer_) peer_->OnEndDialog(result);
}

void Dialog::SetWindowText(std::u16string_view title) {
  title_ = title;
  if (peer_) peer_->OnTitleChanged();
}

Rect Dialog::MapDialogRect(int x, int y, int cx, int cy) const {
  auto mx = [&](int v) { return v * baseX_ / 4; };
  auto my = [&](int v) { return v * baseY_ / 8; };
  return {mx(x), my(y), mx(x + cx), my(y + cy)};
}

void Dialog::Create(int baseX, int baseY) {
  baseX_ = baseX;
  baseY_ = baseY;
  controls_.clear();
  focus_ = 0;
  if (!template_) return;
  Rect client = MapDialogRect(0, 0, template_->cx, template_->cy);
  SetClientSize({client.right, client.bottom});
  for (const auto& ct : template_->controls) {
    Control c;
    c.id = ct.id;
    c.kind = ct.kind;
    c.text = ct.text;
    c.rect = MapDialogRect(ct.x, ct.y, ct.cx, ct.cy);
    c.style = ct.style;
    c.maxLength = ct.maxLength;
    controls_.push_back(std::move(c));
  }
}

void Dialog::InitDialog() {
  if (OnInitDialog() && focus_ == 0) {
    for (auto& c : controls_) {
      if (c.IsTabStop() && !(c.style & (kStyleDisabled | kStyleHidden))) {
        // A radio group takes the focus at its checked button, as the platform does.
        GotoDlgCtrl(c.id);
        break;
      }
    }
  }
}

int Dialog::IndexOf(int id) const {
  for (size_t i = 0; i < controls_.size(); ++i)
    if (controls_[i].id == id) return static_cast<int>(i);
  return -1;
}

Control* Dialog::Item(int id) {
  int i = IndexOf(id);
  return i < 0 ? nullptr : &controls_[i];
}

const Control* Dialog::Item(int id) const {
  int i = IndexOf(id);
  return i < 0 ? nullptr : &controls_[i];
}

Rect Dialog::GetItemRect(int id) const {
  const Control* c = Item(id);
  return c ? c->rect : Rect{};
}

std::u16string Dialog::GetDlgItemText(int id) const {
  const Control* c = Item(id);
  return c ? c->text : std::u16string();
}

void Dialog::Changed(int index) {
  if (peer_) peer_->OnControlChanged(index);
}

int Dialog::EnterButton() const {
  for (int id : {101, 142}) {
    const Control* c = Item(id);
    if (c && c->kind == ControlKind::kButton && !(c->style & (kStyleDisabled | kStyleHidden)))
      return id;
  }
  return 0;
}

void Dialog::ShowItem(int id, bool show) {
  int i = IndexOf(id);
  if (i < 0 || IsItemShown(id) == show) return;
  controls_[i].style ^= kStyleHidden;
  Changed(i);
}

bool Dialog::IsItemShown(int id) const {
  const Control* c = Item(id);
  return c && !(c->style & kStyleHidden);
}

void Dialog::SetDlgItemText(int id, std::u16string_view text) {
  int i = IndexOf(id);
  if (i < 0) return;
  controls_[i].text = text;
  Changed(i);
  // The platform's edit boxes notify a change made by the program too.
  if (controls_[i].kind == ControlKind::kEdit) {
    Command(id, kEnUpdate);
    Command(id, kEnChange);
  }
}

void Dialog::LimitText(int id, int max) {
  int i = IndexOf(id);
  if (i < 0) return;
  controls_[i].maxLength = max < 0 ? 0 : max;
  Changed(i);
}

void Dialog::GotoDlgCtrl(int id) {
  if (IndexOf(id) < 0) return;
  focus_ = id;
  if (peer_) peer_->OnFocusChanged(id);
}

void Dialog::CheckDlgButton(int id, bool check) {
  int i = IndexOf(id);
  if (i < 0 || controls_[i].checked == check) return;
  controls_[i].checked = check;
  Changed(i);
}

bool Dialog::IsDlgButtonChecked(int id) const {
  const Control* c = Item(id);
  return c && c->checked;
}

void Dialog::CheckRadioButton(int first, int last, int check) {
  for (int id = first; id <= last; ++id) CheckDlgButton(id, id == check);
}

void Dialog::ComboResetContent(int id) {
  int i = IndexOf(id);
  if (i < 0) return;
  controls_[i].items.clear();
  controls_[i].selection = -1;
  Changed(i);
}

int Dialog::ComboAddString(int id, std::u16string_view text) {
  int i = IndexOf(id);
  if (i < 0) return -1;
  auto& items = controls_[i].items;
  auto at = items.end();
  if (controls_[i].style & kStyleSort)
    at = std::upper_bound(items.begin(), items.end(), text,
                          [](std::u16string_view a, const std::u16string& b) { return a < b; });
  int index = static_cast<int>(at - items.begin());
  items.emplace(at, text);
  Changed(i);
  return index;
}

int Dialog::ComboGetCurSel(int id) const {
  const Control* c = Item(id);
  return c ? c->selection : -1;
}

void Dialog::ComboSetCurSel(int id, int index) {
  int i = IndexOf(id);
  if (i < 0) return;
  auto& c = controls_[i];
  c.selection = (index >= 0 && index < static_cast<int>(c.items.size())) ? index : -1;
  if (c.selection >= 0) c.text = c.items[c.selection];
  Changed(i);
}

void Dialog::Command(int id, int code) {
  if (OnCommand(id, code)) return;
  if (code != kBnClicked) return;
  if (id == kIdOkResult)
    OnOK();
  else if (id == kIdCancelResult)
    OnCancel();
}

void Dialog::UserFocus(int id) { GotoDlgCtrl(id); }

void Dialog::UserType(int id, std::u16string_view typed) {
  int i = IndexOf(id);
  if (i < 0 || !IsItemShown(id)) return;
  // Typing cannot enter a zero character, and stops at the box's limit.
  std::u16string text;
  for (char16_t ch : typed)
    if (ch != 0) text.push_back(ch);
  auto& c = controls_[i];
  if (c.maxLength > 0) text.resize(CutLength(text, static_cast<size_t>(c.maxLength)));
  GotoDlgCtrl(id);
  if (c.text == text) return;
  c.text = std::move(text);
  Changed(i);
  Command(id, kEnUpdate);
  Command(id, kEnChange);
}

void Dialog::UserPress(int id) {
  int i = IndexOf(id);
  if (i < 0 || !IsItemShown(id)) return;
  GotoDlgCtrl(id);
  if (controls_[i].kind == ControlKind::kCheck) {
    controls_[i].checked = !controls_[i].checked;
    Changed(i);
  } else if (controls_[i].kind == ControlKind::kRadio) {
    // An automatic radio button checks itself and clears the rest of its group: the run of
    // consecutive radio buttons around it.
    size_t first = static_cast<size_t>(i), last = static_cast<size_t>(i);
    while (first > 0 && controls_[first - 1].kind == ControlKind::kRadio) --first;
    while (last + 1 < controls_.size() && controls_[last + 1].kind == ControlKind::kRadio) ++last;
    for (size_t k = first; k <= last; ++k) {
      bool on = k == static_cast<size_t>(i);
      if (controls_[k].checked != on) {
        controls_[k].checked = on;
        Changed(static_cast<int>(k));
      }
    }
  }
  Command(id, kBnClicked);
}

void Dialog::UserSelect(int id, int index) {
  int i = IndexOf(id);
  if (i < 0) return;
  GotoDlgCtrl(id);
  ComboSetCurSel(id, index);
  Command(id, kCbnSelChange);
  Command(id, kCbnSelEndOk);
}

}  // namespace vl
