// The host runs windows: the Qt host shows them, the scripted host drives them from a script.
// Everything below the application talks to the host only through this interface.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi.h"

namespace vl {

class Dc;
class Dialog;
class Window;
struct Worksheet;
enum class WorksheetOutput : int;

enum MessageBoxResult : int { kIdOk = 1, kIdCancel = 2 };
enum MessageBoxType : unsigned { kMbOk = 0, kMbIconExclamation = 0x30, kMbIconInformation = 0x40 };

inline constexpr std::u16string_view kAppCaption = u"Velorin";

// Another program's top-level window, found by its exact title, that receives a posted notice.
class GuideNotifier {
 public:
  virtual ~GuideNotifier() = default;
  // Posts (message, wparam, lparam) to the window titled exactly title; false if none exists.
  virtual bool Post(std::u16string_view title, unsigned message, long wparam, long lparam) = 0;
};

// The help viewer: opens a help file on a command (3 = contents).
class HelpViewer {
 public:
  virtual ~HelpViewer() = default;
  virtual void Open(const std::string& file, int command) = 0;
};

// The recent-file list kept in the settings.
class RecentFiles {
 public:
  virtual ~RecentFiles() = default;
  virtual std::vector<std::string> Load() = 0;
  // Returns false when the list cannot be written.
  virtual bool Save(const std::vector<std::string>& files) = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // The host that runs this process's windows.
  static Host& Current();
  static void SetCurrent(Host* host);

  // Runs dlg modally over its owner and returns the result given to EndDialog.
  virtual int RunModal(Dialog& dlg) = 0;
  virtual int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                         unsigned type) = 0;
  // A surface for measuring text in a window's default font (the paint font).
  virtual std::unique_ptr<Dc> CreateMeasureDc(Window& w) = 0;
  // Dialog base units (average width and height of the dialog font) for a template's font.
  virtual void DialogBaseUnits(std::u16string_view face, int point, int& baseX, int& baseY) = 0;

  // Asks the user for a file to open; nothing when the user cancels.
  virtual std::optional<std::string> AskOpenFileName() = 0;
  // Asks the user where to save a file, offering suggestedName and the file-type filter
  // (e.g. u"CSV (*.csv)"); nothing when the user cancels or no one can be asked.
  virtual std::optional<std::string> AskSaveFileName(std::u16string_view suggestedName,
                                                     std::u16string_view filter) = 0;
  // Prints what the window draws (its paint on the printer), or shows a print preview.
  virtual void PrintWindow(Window& w, bool preview) = 0;
  // Shows a worksheet in a print preview, saves it as a PDF or prints it. False when the user
  // cancelled or it failed; the host tells the user of a failure itself.
  virtual bool PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) = 0;

  virtual GuideNotifier& Guide() = 0;
  virtual HelpViewer& Help() = 0;
  virtual RecentFiles& Recent() = 0;
};

}  // namespace vl
