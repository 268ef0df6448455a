// Windows and dialogs. A Window holds what every window has (client size, invalid area,
// timers, paint count); a Dialog adds controls built from a template and a message table.
// Both are plain objects: a host attaches a peer to show them and feeds them user input.
#pragma once
#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi.h"
#include "platform/geometry.h"
#include "platform/host.h"
#include "platform/templates.h"
#include "platform/text.h"

namespace vl {

class Dc;
class Window;

// Notification codes a control sends with its id.
enum Notify : int {
  kBnClicked = 0,
  kCbnSelChange = 1,
  kCbnSelEndOk = 9,
  kEnChange = 0x0300,
  kEnUpdate = 0x0400,
};

enum DialogResult : int { kIdOkResult = 1, kIdCancelResult = 2 };

// What a host does when a window's state changes under program control.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void OnInvalidate(const Rect& area, bool erase) = 0;
  virtual void OnTimersChanged() = 0;
  virtual void OnControlChanged(int index) = 0;  // text, check, items or selection
  virtual void OnFocusChanged(int id) = 0;
  virtual void OnTitleChanged() = 0;
  virtual void OnEndDialog(int result) = 0;
};

class Window {
 public:
  Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  // How many windows exist, and how many timers they run, in this process.
  static int LiveWindows();
  static int LiveTimers();

  Rect GetClientRect() const { return {0, 0, client_.cx, client_.cy}; }
  Size ClientSize() const { return client_; }
  void SetClientSize(Size s) { client_ = s; }

  // Marks the area for repainting; the host repaints when it next gets the chance.
  void Invalidate(bool erase = true) { InvalidateRect(GetClientRect(), erase); }
  void InvalidateRect(const Rect& r, bool erase = true);
  bool NeedsPaint() const { return !invalid_.IsEmpty(); }
  Rect InvalidArea() const { return invalid_; }
  bool InvalidErase() const { return invalidErase_; }

  // The host paints: the whole page is drawn from the members every time.
  void Paint(Dc& dc);
  int PaintCount() const { return paints_; }
  // Draws the page onto another surface (a printer, an image) without counting a paint.
  void DrawTo(Dc& dc) { DoPaint(dc); }

  // Window timers: id -> period in ms. Setting a running id replaces it.
  bool SetTimer(int id, int ms);
  bool KillTimer(int id);
  const std::map<int, int>& Timers() const { return timers_; }
  void FireTimer(int id) { OnTimer(id); }

  // Mouse input from the host, in client pixels.
  void LButtonDown(Point p) { OnLButtonDown(p); }

  int MessageBox(std::u16string_view text, std::u16string_view caption = kAppCaption,
                 unsigned type = kMbOk);
  // The metrics of the window's paint font, as GetTextMetrics on its context gives them.
  TextMetrics GetTextMetrics();

  // The page as it is read aloud, built from what the page computes; empty when there is
  // nothing to read.
  virtual std::u16string Reading() const { return {}; }

  void SetPeer(WindowPeer* peer) { peer_ = peer; }
  WindowPeer* Peer() const { return peer_; }

 protected:
  virtual void DoPaint(Dc& dc) = 0;
  virtual void OnTimer(int /*id*/) {}
  virtual void OnLButtonDown(Point /*p*/) {}

  WindowPeer* peer_ = nullptr;

 private:
  Size client_;
  Rect invalid_;
  bool invalidErase_ = false;
  int paints_ = 0;
  std::map<int, int> timers_;
};

// A control's live state. Rectangles are client pixels.
struct Control {
  int id = -1;
  ControlKind kind = ControlKind::kStatic;
  std::u16string text;
  Rect rect;
  unsigned style = kStyleNone;
  int maxLength = 0;  // edit boxes: 0 = no limit
  bool checked = false;
  std::vector<std::u16string> items;  // drop-down lists
  int selection = -1;
  bool IsDefault() const { return style & kStyleDefault; }
  bool IsTabStop() const {
    return kind == ControlKind::kButton || kind == ControlKind::kEdit ||
           kind == ControlKind::kRadio || kind == ControlKind::kCombo ||
           kind == ControlKind::kCheck;
  }
};

// One row of a dialog's message table: control id and notification code bound to a handler.
template <class T>
struct MessageEntry {
  int id;
  int code;
  void (T::*handler)();
};

// Runs the first handler bound to (id, code); false when none is.
template <class T, size_t N>
bool DispatchMessage(T& self, const MessageEntry<T> (&table)[N], int id, int code) {
  for (const auto& e : table) {
    if (e.id == id && e.code == code) {
      (self.*e.handler)();
      return true;
    }
  }
  return false;
}

// Looks a dialog template up by id; nullptr when none is registered.
const DialogTemplate* FindDialogTemplate(int id);
void RegisterDialogTemplate(const DialogTemplate& t);
std::vector<const DialogTemplate*> AllDialogTemplates();

class Dialog : public Window {
 public:
  explicit Dialog(int templateId, Window* parent = nullptr);

  // Runs the dialog through the current host; returns the EndDialog result.
  int DoModal();
  void EndDialog(int result);
  bool Ended() const { return ended_; }
  int Result() const { return result_; }

  int TemplateId() const { return templateId_; }
  const DialogTemplate* Template() const { return template_; }
  Window* Parent() const { return parent_; }
  const std::u16string& Title() const { return title_; }
  void SetWindowText(std::u16string_view title);

  // Builds the controls from the template with the given dialog base units; the host calls it
  // before OnInitDialog.
  void Create(int baseX, int baseY);
  // Runs OnInitDialog and applies its answer for the focus.
  void InitDialog();

  // Controls.
  std::vector<Control>& Controls() { return controls_; }
  const std::vector<Control>& Controls() const { return controls_; }
  Control* Item(int id);
  const Control* Item(int id) const;
  int IndexOf(int id) const;
  Rect GetItemRect(int id) const;
  std::u16string GetDlgItemText(int id) const;
  // Reads at most N - 1 characters, as a fixed buffer would; returns the length read.
  template <size_t N>
  size_t GetDlgItemText(int id, Text<N>& out) const {
    out = GetDlgItemText(id);
    return out.size();
  }
  void SetDlgItemText(int id, std::u16string_view text);
  // Limits what can be typed into an edit box to max characters (0: no limit), so that the
  // box never holds more than its handler reads.
  void LimitText(int id, int max);
  void GotoDlgCtrl(int id);
  int Focus() const { return focus_; }
  // The button that Enter in an edit box presses: "開始" (101), which works the answer out,
  // or else a drill's "採点" (142), which marks it; 0 when neither is usable, and Enter keeps
  // the default button.
  int EnterButton() const;
  // Shows or hides a control; a hidden control is neither drawn nor usable.
  void ShowItem(int id, bool show);
  bool IsItemShown(int id) const;
  void CheckDlgButton(int id, bool check);
  bool IsDlgButtonChecked(int id) const;
  void CheckRadioButton(int first, int last, int check);
  void ComboResetContent(int id);
  int ComboAddString(int id, std::u16string_view text);
  int ComboGetCurSel(int id) const;
  void ComboSetCurSel(int id, int index);

  // User input, as the host has it: each behaves as the platform's controls do.
  void UserType(int id, std::u16string_view text);
  void UserPress(int id);
  void UserSelect(int id, int index);
  void UserClose() { OnClose(); }
  void UserFocus(int id);

  // Dialog-unit conversion with this dialog's base units.
  Rect MapDialogRect(int x, int y, int cx, int cy) const;

 protected:
  void DoPaint(Dc& dc) override { OnPaint(dc); }
  // Returns true to let the host focus the first tab stop.
  virtual bool OnInitDialog() { return true; }
  virtual void OnPaint(Dc& /*dc*/) {}
  virtual void OnClose() { EndDialog(kIdCancelResult); }
  virtual void OnOK() { EndDialog(kIdOkResult); }
  virtual void OnCancel() { EndDialog(kIdCancelResult); }
  // A control's notification: the class's message table first, then OK and Cancel.
  virtual bool OnCommand(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }

 private:
  void Command(int id, int code);
  void Changed(int index);

  int templateId_;
  const DialogTemplate* template_;
  Window* parent_;
  std::u16string title_;
  std::vector<Control> controls_;
  int baseX_ = 8, baseY_ = 16;
  int focus_ = 0;
  bool ended_ = false;
  int result_ = 0;
};

}  // namespace vl
