// Entry points of the Qt backend for the program's main().
#pragma once
#include <string>

#include "platform/application.h"
#include "platform/script/script_host.h"

namespace vl::qt {

// Runs the application in real windows until its main window closes; returns the exit status.
// When no display can be opened it says so in one line and returns 1. The document, if any,
// was already given to the application.
int RunGui(int argc, char** argv, Application& app, const std::string& document);

// Pictures of windows for the scripted host's "render x.png", drawn through Qt's offscreen
// platform, so that no display is needed.
PngRenderer MakePngRenderer(int argc, char** argv);

// Why the GUI cannot start here (empty when it can).
std::string NoDisplayReason();

}  // namespace vl::qt
