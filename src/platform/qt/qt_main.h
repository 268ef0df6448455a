// Entry points of the Qt backend for the program's main().
#pragma once
#include <string>

#include "platform/application.h"
#include "platform/script/script_host.h"
#include "platform/worksheet.h"

namespace vl::qt {

// Start-up measurement switches (see bench/README.md).
struct GuiOptions {
  // Quit as soon as the main window has painted once.
  bool exitAfterFirstPaint = false;
  // After the main window's first paint, open every registered dialog in turn, let it paint
  // once, close it, then quit: the program's peak memory once every page has been shown.
  bool openEveryDialog = false;
};

// Runs the application in real windows until its main window closes; returns the exit status.
// When no display can be opened it says so in one line and returns 1. The document, if any,
// was already given to the application.
int RunGui(int argc, char** argv, Application& app, const GuiOptions& options = {});

// Pictures of windows for the scripted host's "render x.png", drawn through Qt's offscreen
// platform, so that no display is needed.
PngRenderer MakePngRenderer(int argc, char** argv);

// Writes a worksheet as a PDF file through Qt's offscreen platform, so that no display is
// needed. False with the reason in why when the file cannot be written.
bool WriteWorksheetFile(int argc, char** argv, const Worksheet& sheet, const std::string& path,
                        std::string& why);

// Why the GUI cannot start here (empty when it can).
std::string NoDisplayReason();

}  // namespace vl::qt
