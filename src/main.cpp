// Picks the host from the command line and runs the application.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "app/velorin_app.h"
#include "platform/host.h"
#include "platform/script/gallery.h"
#include "platform/script/script_host.h"
#include "platform/text.h"

#ifdef VELORIN_HAVE_SQLITE
#include "platform/sqlite/sqlite_record.h"
#endif

#ifdef VELORIN_HAVE_QT
#include "platform/qt/qt_main.h"
#endif
#ifdef __EMSCRIPTEN__
#include "platform/web/web_host.h"
#endif

#ifdef __EMSCRIPTEN__
// In the browser the page is the only host: it runs the program until the page goes away.
int main() {
  vl::web::WebHost host;
  vl::Host::SetCurrent(&host);
  vl::CVelorinApp app;
  return host.Run(app);
}
#else
namespace {

const char kUsage[] =
    "Usage: velorin [FILE]\n"
    "       velorin --script FILE [--scale 2]\n"
    "       velorin --gallery DIR\n"
    "       (with any of them: --record PATH)\n"
    "\n"
    "  (no arguments)   start the program in a window\n"
    "  FILE             start the program with FILE as its document\n"
    "  --script FILE    run a script of window actions without a display ('-' reads\n"
    "                   standard input); see the README for the script lines\n"
    "  --scale 2        draw 'render x.png' at twice the resolution\n"
    "  --gallery DIR    write a PNG of every page and an index.html into DIR, without a\n"
    "                   display\n"
    "  --record PATH    keep the learning record in PATH instead of\n"
    "                   $XDG_DATA_HOME/Orvanel/Velorin/record.sqlite\n"
    "  --help           show this text\n"
    "\n"
    "Start-up measurement (see bench/README.md):\n"
    "  --exit-after-first-paint  quit once the main window has painted\n"
    "  --open-every-dialog       then open, paint and close every dialog before quitting\n";

int RunScript(const std::string& file, int scale, int argc, char** argv) {
  std::string text;
  if (file == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
  } else {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::fprintf(stderr, "velorin: cannot read script '%s': %s\n", file.c_str(),
                   std::strerror(errno));
      return 2;
    }
    std::ostringstream ss;
    ss << in.rdbuf();
    text = ss.str();
  }
  if (!vl::Utf8Valid(text)) {
    std::fprintf(stderr, "velorin: script '%s' is not valid UTF-8 text\n", file.c_str());
    return 2;
  }
  vl::ScriptHost host;
  vl::Host::SetCurrent(&host);
  host.SetPngScale(scale);
#ifdef VELORIN_HAVE_QT
  host.SetPngRenderer(vl::qt::MakePngRenderer(argc, argv));
#else
  (void)argc;
  (void)argv;
#endif
  vl::CVelorinApp app;
  std::string err;
  int rc = host.Run(app, vl::LinesOf(std::move(text)), err);
  if (!err.empty()) std::fprintf(stderr, "%s\n", err.c_str());
  vl::Host::SetCurrent(nullptr);
  return rc;
}

int RunGallery(const std::string& dir, int argc, char** argv) {
#ifdef VELORIN_HAVE_QT
  vl::PngRenderer png = vl::qt::MakePngRenderer(argc, argv);
#else
  (void)argc;
  (void)argv;
  vl::PngRenderer png;
#endif
  vl::RegisterAllDialogs();
  std::string err;
  int rc = vl::WriteGallery(dir, png, err);
  if (!err.empty()) std::fprintf(stderr, "%s\n", err.c_str());
  return rc;
}

#ifdef VELORIN_HAVE_SQLITE
// The learning record in its SQLite file; its one message goes through the running host.
struct RecordFile {
  explicit RecordFile(const std::string& path)
      : record(path.empty() ? vl::DefaultRecordPath() : path, [](std::u16string_view text) {
          vl::Host::Current().MessageBox(nullptr, text, vl::kAppCaption,
                                         vl::kMbOk | vl::kMbIconExclamation);
        }) {
    vl::LearningRecord::SetCurrent(&record);
  }
  ~RecordFile() { vl::LearningRecord::SetCurrent(nullptr); }
  vl::SqliteRecord record;
};
#else
// Without SQLite the record stays in memory for the session.
struct RecordFile {
  explicit RecordFile(const std::string&) {}
};
#endif

}  // namespace

int main(int argc, char** argv) {
  std::string script;
  std::string document;
  std::string gallery;
  std::string recordPath;
  int scale = 1;
#ifdef VELORIN_HAVE_QT
  vl::qt::GuiOptions gui;
#endif
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (a == "--script") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "velorin: --script needs a file name (or - for standard input)\n");
        return 2;
      }
      script = argv[++i];
    } else if (a == "--gallery") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "velorin: --gallery needs a folder name\n");
        return 2;
      }
      gallery = argv[++i];
    } else if (a == "--record") {
      if (i + 1 >= argc || !*argv[i + 1]) {
        std::fprintf(stderr, "velorin: --record needs a file name\n");
        return 2;
      }
      recordPath = argv[++i];
    } else if (a == "--scale") {
      if (i + 1 >= argc || (std::string(argv[i + 1]) != "1" && std::string(argv[i + 1]) != "2")) {
        std::fprintf(stderr, "velorin: --scale takes 1 or 2\n");
        return 2;
      }
      scale = std::stoi(argv[++i]);
#ifdef VELORIN_HAVE_QT
    } else if (a == "--exit-after-first-paint") {
      gui.exitAfterFirstPaint = true;
    } else if (a == "--open-every-dialog") {
      gui.openEveryDialog = true;
#endif
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "velorin: unknown option '%s' (see velorin --help)\n", a.c_str());
      return 2;
    } else if (document.empty()) {
      document = a;
    } else {
      std::fprintf(stderr, "velorin: more than one file named (see velorin --help)\n");
      return 2;
    }
  }
  if (!gallery.empty()) return RunGallery(gallery, argc, argv);
  RecordFile record(recordPath);
  if (!script.empty()) return RunScript(script, scale, argc, argv);
#ifdef VELORIN_HAVE_QT
  vl::CVelorinApp app;
  if (!document.empty()) app.SetStartupDocument(document);
  return vl::qt::RunGui(argc, argv, app, gui);
#else
  std::fprintf(stderr,
               "velorin: this build has no windowing support; use velorin --script FILE\n");
  return 1;
#endif
}
#endif
