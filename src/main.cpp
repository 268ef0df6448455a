// Picks the host from the command line and runs the application.
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>

#include "app/velorin_app.h"
#include "platform/host.h"
#include "drill/worksheet_layout.h"
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
    "       velorin --worksheet OUT.pdf [--drills 2769,2775,...] [--count N] [--seed S]\n"
    "               [--versions V] [--title TEXT]\n"
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
    "  --worksheet OUT.pdf  write a worksheet of fresh drill exercises with its answer\n"
    "                   key as a PDF, without a display:\n"
    "    --drills LIST  drill codes, comma-separated (default: every kind)\n"
    "    --count N      exercises per sheet, 1 to 40 (default 12)\n"
    "    --seed S       0 to 4294967295 (default: the time); printed, so the same sheet\n"
    "                   can be made again\n"
    "    --versions V   1 to 10 different sheets, each with its key (default 1)\n"
    "    --title TEXT   the heading of the sheet (default 練習プリント)\n"
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
// A worksheet option's number, read as the worksheet dialog reads it.
std::optional<long long> NumberIn(const char* text, long long low, long long high) {
  return vl::WorksheetNumber(vl::Utf8ToUtf16(text), low, high);
}

int RunWorksheet(const std::string& out, vl::WorksheetOptions options, int argc, char** argv) {
  const vl::Worksheet sheet = vl::LayOutWorksheet(std::move(options));
#ifdef VELORIN_HAVE_QT
  std::string why;
  if (!vl::qt::WriteWorksheetFile(argc, argv, sheet, out, why)) {
    std::fprintf(stderr, "velorin: cannot write '%s': %s\n", out.c_str(), why.c_str());
    return 1;
  }
  std::printf("velorin: wrote %s: %zu pages, seed %u\n", out.c_str(), sheet.pages.size(),
              sheet.options.seed);
  return 0;
#else
  (void)argc;
  (void)argv;
  (void)out;
  std::fprintf(stderr, "velorin: this build has no PDF writer; --worksheet needs Qt\n");
  return 1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
  std::string script;
  std::string document;
  std::string gallery;
  std::string recordPath;
  int scale = 1;
  std::string worksheet;
  vl::WorksheetOptions sheet;
  sheet.seed = static_cast<uint32_t>(std::time(nullptr));
  const char* sheetOption = nullptr;  // the first worksheet option, for its check below
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
    } else if (a == "--worksheet") {
      if (i + 1 >= argc || argv[i + 1][0] == '\0') {
        std::fprintf(stderr, "velorin: --worksheet needs a PDF file name\n");
        return 2;
      }
      worksheet = argv[++i];
    } else if (a == "--drills" || a == "--count" || a == "--seed" || a == "--versions" ||
               a == "--title") {
      if (!sheetOption) sheetOption = argv[i];
      const char* value = i + 1 < argc ? argv[++i] : nullptr;
      std::optional<long long> n;
      if (a == "--drills") {
        std::string why = "it needs a list";
        auto codes = value ? vl::ParseDrillList(value, why) : std::nullopt;
        if (!codes) {
          std::fprintf(stderr, "velorin: --drills takes drill codes such as 2769,2775: %s\n",
                       why.c_str());
          return 2;
        }
        sheet.drills = std::move(*codes);
      } else if (a == "--count") {
        if (!value || !(n = NumberIn(value, vl::kWorksheetMinCount, vl::kWorksheetMaxCount))) {
          std::fprintf(stderr, "velorin: --count takes a number from %d to %d\n",
                       vl::kWorksheetMinCount, vl::kWorksheetMaxCount);
          return 2;
        }
        sheet.count = static_cast<int>(*n);
      } else if (a == "--seed") {
        if (!value || !(n = NumberIn(value, 0, 4294967295LL))) {
          std::fprintf(stderr, "velorin: --seed takes a number from 0 to 4294967295\n");
          return 2;
        }
        sheet.seed = static_cast<uint32_t>(*n);
      } else if (a == "--versions") {
        if (!value ||
            !(n = NumberIn(value, vl::kWorksheetMinVersions, vl::kWorksheetMaxVersions))) {
          std::fprintf(stderr, "velorin: --versions takes a number from %d to %d\n",
                       vl::kWorksheetMinVersions, vl::kWorksheetMaxVersions);
          return 2;
        }
        sheet.versions = static_cast<int>(*n);
      } else {
        const std::u16string title = value ? vl::Utf8ToUtf16(value) : u"";
        if (!value || !vl::Utf8Valid(value) || title.empty() ||
            title.size() > vl::kWorksheetMaxTitle) {
          std::fprintf(stderr, "velorin: --title takes a text of 1 to %zu characters\n",
                       vl::kWorksheetMaxTitle);
          return 2;
        }
        sheet.title = title;
      }
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
  if (sheetOption && worksheet.empty()) {
    std::fprintf(stderr, "velorin: %s belongs with --worksheet OUT.pdf\n", sheetOption);
    return 2;
  }
  if (!worksheet.empty()) return RunWorksheet(worksheet, std::move(sheet), argc, argv);
  if (!gallery.empty()) return RunGallery(gallery, argc, argv);
  RecordFile record(recordPath);
  if (!script.empty()) return RunScript(script, scale, argc, argv);
#ifdef VELORIN_HAVE_QT
  vl::CVelorinApp app;
  if (!document.empty()) app.SetStartupDocument(document);
  return vl::qt::RunGui(argc, argv, app, gui);
#else
  std::fprintf(stderr, "velorin: this build has no windowing support; use velorin --script FILE\n");
  return 1;
#endif
}
#endif
