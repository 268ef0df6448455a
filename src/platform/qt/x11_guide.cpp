#include "platform/qt/x11_guide.h"

#ifdef VELORIN_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#endif

namespace vl::qt {

#ifdef VELORIN_HAVE_X11
namespace {

// A window may vanish while it is looked at; such errors are expected and ignored.
int IgnoreErrors(Display*, XErrorEvent*) { return 0; }

std::optional<std::string> NetName(Display* d, ::Window w) {
  Atom netName = XInternAtom(d, "_NET_WM_NAME", False);
  Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(d, w, netName, 0, 4096, False, utf8, &type, &format, &count, &after,
                         &data) != Success)
    return std::nullopt;
  std::optional<std::string> name;
  if (data && type == utf8 && format == 8) name.emplace(reinterpret_cast<char*>(data), count);
  if (data) XFree(data);
  return name;
}

std::optional<std::string> WmName(Display* d, ::Window w) {
  XTextProperty prop{};
  if (!XGetWMName(d, w, &prop) || !prop.value) return std::nullopt;
  std::optional<std::string> name;
  char** list = nullptr;
  int n = 0;
  if (Xutf8TextPropertyToTextList(d, &prop, &list, &n) >= Success && list && n > 0) {
    name.emplace(list[0]);
  }
  if (list) XFreeStringList(list);
  XFree(prop.value);
  return name;
}

bool Titled(Display* d, ::Window w, const std::string& title) {
  if (auto n = NetName(d, w)) return *n == title;
  auto n = WmName(d, w);
  return n && *n == title;
}

// Top-level windows are the root's children, or, under a window manager that frames them,
// the frames' children.
::Window FindTitled(Display* d, ::Window parent, const std::string& title, int depth) {
  ::Window root = 0, up = 0, *kids = nullptr;
  unsigned n = 0;
  if (!XQueryTree(d, parent, &root, &up, &kids, &n)) return 0;
  ::Window found = 0;
  for (unsigned i = n; i-- > 0 && !found;)  // topmost first
    if (Titled(d, kids[i], title)) found = kids[i];
  for (unsigned i = n; i-- > 0 && !found && depth > 1;)
    found = FindTitled(d, kids[i], title, depth - 1);
  if (kids) XFree(kids);
  return found;
}

}  // namespace

bool PostGuideNotice(const std::string& title, unsigned message, long wparam, long lparam) {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return false;
  Display* d = XOpenDisplay(name);
  if (!d) return false;
  auto* previous = XSetErrorHandler(IgnoreErrors);
  ::Window target = FindTitled(d, DefaultRootWindow(d), title, 2);
  bool sent = false;
  if (target) {
    XEvent ev;
    std::memset(&ev, 0, sizeof ev);
    ev.xclient.type = ClientMessage;
    ev.xclient.window = target;
    ev.xclient.message_type = XInternAtom(d, kGuideAtomName, False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(message);
    ev.xclient.data.l[1] = wparam;
    ev.xclient.data.l[2] = lparam;
    sent = XSendEvent(d, target, False, NoEventMask, &ev) != 0;
    XSync(d, False);
  }
  XSetErrorHandler(previous);
  XCloseDisplay(d);
  return sent;
}

#else

bool PostGuideNotice(const std::string&, unsigned, long, long) { return false; }

#endif

}  // namespace vl::qt
