// The gallery: a PNG of every dialog the program can open, drawn by the scripted host at a fixed
// clock, and an index.html that shows them with their titles.
#pragma once
#include <string>

#include "platform/script/script_host.h"

namespace vl {

// The clock the gallery's pages are drawn at, so that random exercises repeat.
inline constexpr int64_t kGalleryClock = 12345;

// The PNG file name of a dialog in the gallery (letters, digits and '-' only).
std::string GalleryFileName(int templateId, const std::string& variant);

// Escapes text for HTML.
std::string HtmlEscape(const std::string& s);

// Writes every registered dialog (AllDialogFactories) into dir, which is created if needed.
// Drill pages are drawn with their answer shown. Leaves no current host behind. Returns 0, or 2 with a message in err.
int WriteGallery(const std::string& dir, const PngRenderer& png, std::string& err);

}  // namespace vl
