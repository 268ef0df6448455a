#include "platform/script/gallery.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/runtime.h"
#include "platform/text.h"

namespace vl {

namespace {

constexpr char16_t kAnswerText[] = u"答え";

// The id of the dialog's answer button, or 0.
int AnswerButton(const Dialog& d) {
  for (const Control& c : d.Controls())
    if (c.kind == ControlKind::kButton && c.text == kAnswerText) return c.id;
  return 0;
}

void AddError(std::string& err, const std::string& message) {
  if (!err.empty()) err += '\n';
  err += message;
}

struct Shot {
  std::string file;
  std::string title;
  std::string variant;
};

}  // namespace

std::string GalleryFileName(int templateId, const std::string& variant) {
  std::string name = "page-" + std::to_string(templateId);
  if (!variant.empty()) name += "-";
  for (char c : variant) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    name += keep ? c : '-';
  }
  return name + ".png";
}

std::string HtmlEscape(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

int WriteGallery(const std::string& dir, const PngRenderer& png, std::string& err) {
  if (!png) {
    err = "velorin: --gallery needs PNG output, which this build does not have";
    return 2;
  }
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec || !std::filesystem::is_directory(dir)) {
    err = "velorin: cannot create the folder '" + dir + "'";
    return 2;
  }
  Clock::SetFixed(kGalleryClock);
  std::vector<Shot> shots;
  int status = 0;
  for (const DialogFactory& f : AllDialogFactories()) {
    ScriptHost host;
    Host::SetCurrent(&host);
    host.SetPngRenderer(png);
    std::unique_ptr<Dialog> dlg = f.make();
    const std::string file = GalleryFileName(f.templateId, f.variant);
    const std::string path = (std::filesystem::path(dir) / file).string();
    std::vector<std::string> lines;
    const bool drill = f.variant.rfind("drill ", 0) == 0;
    bool started = false;
    size_t next = 0;
    std::string why;
    // The lines are made once the dialog is built, since the answer button is found then.
    int rc = host.RunDialog(*dlg, [&]() -> std::optional<std::string> {
      if (!started) {
        started = true;
        if (drill)
          if (int id = AnswerButton(*dlg)) lines.push_back("press " + std::to_string(id));
        lines.push_back("render " + path);
      }
      if (next < lines.size()) return lines[next++];
      return std::nullopt;
    }, why);
    if (rc != 0 || !std::filesystem::exists(path)) {
      AddError(err, why.empty() ? "velorin: cannot draw " + file : why);
      status = 2;
      continue;
    }
    shots.push_back({file, Utf16ToUtf8(dlg->Title()), f.variant});
  }
  Host::SetCurrent(nullptr);
  Clock::SetFixed(std::nullopt);

  std::ofstream html(std::filesystem::path(dir) / "index.html", std::ios::binary);
  html << "<!DOCTYPE html>\n<html lang=\"ja\">\n<head>\n<meta charset=\"utf-8\">\n"
       << "<title>Velorin</title>\n<style>\nbody { font-family: sans-serif; }\n"
       << "figure { display: inline-block; margin: 1em; vertical-align: top; }\n"
       << "figcaption { margin-top: 0.3em; }\n</style>\n</head>\n<body>\n<h1>Velorin</h1>\n";
  for (const Shot& s : shots) {
    html << "<figure><img src=\"" << HtmlEscape(s.file) << "\" alt=\"" << HtmlEscape(s.title)
         << "\"><figcaption>" << HtmlEscape(s.title);
    if (!s.variant.empty()) html << " <small>(" << HtmlEscape(s.variant) << ")</small>";
    html << "</figcaption></figure>\n";
  }
  html << "</body>\n</html>\n";
  if (!html.flush()) {
    AddError(err, "velorin: cannot write index.html in '" + dir + "'");
    return 2;
  }
  return status;
}

}  // namespace vl
