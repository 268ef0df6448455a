// Resource templates as data: dialogs (sizes in dialog units), menus and accelerator tables.
#pragma once
#include <span>
#include <string_view>

namespace vl {

// kCheck is an automatic check box: a press turns its check on or off.
enum class ControlKind { kButton, kEdit, kStatic, kIcon, kGroup, kRadio, kCombo, kFrame, kCheck };

// Style bits of a control template.
enum ControlStyle : unsigned {
  kStyleNone = 0,
  kStyleDefault = 1u << 0,   // the default push button
  kStyleNoPrefix = 1u << 1,  // static text shows '&' as itself
  kStyleCenter = 1u << 2,    // static text centred
  kStyleRight = 1u << 3,     // static text right-aligned
  kStyleBorder = 1u << 4,    // static or frame with a sunken border
  kStyleDisabled = 1u << 5,
  kStyleReadOnly = 1u << 6,  // edit that the pupil cannot change
  kStyleMultiline = 1u << 7,
  kStyleSort = 1u << 8,      // drop-down list that keeps its items sorted
  kStyleHidden = 1u << 9,    // not shown (and not usable) until the dialog shows it
  kStyleWords = 1u << 10,    // edit that takes words rather than numbers
};

struct ControlTemplate {
  int id = -1;  // -1 for controls nobody addresses
  ControlKind kind = ControlKind::kStatic;
  std::u16string_view text;
  int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
  unsigned style = kStyleNone;
  // Edit boxes: how many characters the handler reads, so typing stops there (0: no limit).
  int maxLength = 0;
};

struct DialogTemplate {
  int id = 0;
  std::u16string_view title;
  int cx = 0, cy = 0;  // dialog units
  std::u16string_view fontFace = u"system";
  int fontPoint = 10;
  std::span<const ControlTemplate> controls;
};

enum MenuFlags : unsigned {
  kMenuNone = 0,
  kMenuPopup = 1u << 0,
  kMenuSeparator = 1u << 1,
  kMenuChecked = 1u << 2,
  kMenuEnd = 1u << 3,  // last item of its popup (or of the bar)
};

// A menu is a flat list in order; a popup's items follow it one level deeper.
struct MenuItemTemplate {
  int level = 0;  // 0 = menu bar
  int id = 0;     // 0 for popups and separators
  std::u16string_view text;
  unsigned flags = kMenuNone;
};

struct MenuTemplate {
  int id = 0;
  std::span<const MenuItemTemplate> items;
};

enum AccelModifiers : unsigned { kAccelNone = 0, kAccelCtrl = 1, kAccelShift = 2, kAccelAlt = 4 };

// Virtual keys used by the accelerator tables.
enum VirtualKey : int {
  kVkBack = 0x08,
  kVkInsert = 0x2D,
  kVkDelete = 0x2E,
  kVkF6 = 0x75,
};

struct AccelTemplate {
  int key = 0;  // 'A'..'Z' or a VirtualKey
  unsigned modifiers = kAccelNone;
  int command = 0;
};

struct AccelTableTemplate {
  int id = 0;
  std::span<const AccelTemplate> entries;
};

}  // namespace vl
