#include "drill/worksheet_layout.h"

#include <algorithm>
#include <charconv>

#include "platform/recording_dc.h"

namespace vl {

namespace {

constexpr WorksheetKind kKinds[] = {
    {2769, u"場合の数１"}, {2770, u"場合の数２"}, {2771, u"順列"},       {2772, u"組合せ"},
    {2775, u"重複組合せ"}, {2776, u"元の個数"},   {2777, u"順列(順路)"}, {2778, u"推論"},
    {2779, u"証明"},       {2781, u"確率"},       {2782, u"発想の転換"}, {2787, u"集合の基礎"},
};

// Page geometry in page units (96 per inch).
constexpr double kMargin = 48;
constexpr double kRight = kSheetWidth - kMargin;
constexpr double kBottom = kSheetHeight - kMargin;
constexpr double kColumnGap = 24;
constexpr double kColumnWidth = (kRight - kMargin - kColumnGap) / 2;
// Drill pages are drawn at three quarters of their screen size: 12-pixel (9-point) text.
constexpr double kExerciseScale = 0.75;
constexpr double kLabelWidth = 28;
constexpr double kRowGap = 14;
// Room under each problem for the pupil's working; the key needs none.
constexpr double kWorkingSpace = 40;

// The proof and set-basics drills take an item from their caller; a worksheet draws it.
int16_t DrawItem(int code, CRandom& rng) {
  if (code == 2779) return static_cast<int16_t>(8 + rng.Next() % 6);
  if (code == 2787) return static_cast<int16_t>(rng.Next() % 9);
  return 0;
}

DisplayList Record(const DrillPage& exercise, bool answer) {
  DrillPage page = exercise;  // a page may write a slot back; the exercise stays as drawn
  page.m_bShowAnswer = answer ? 1 : 0;
  RecordingDc dc;
  dc.SetBkMode(BkMode::kTransparent);
  PaintDrillPage(dc, page);
  return dc.Take();
}

std::u16string Letter(int version) {
  return std::u16string(1, static_cast<char16_t>(u'Ａ' + version));
}

// Fills pages with items from the top down, two in a row where both fit a column.
class PageFiller {
 public:
  explicit PageFiller(std::vector<SheetPage>& pages) : pages_(pages) {}

  void NewPage() {
    pages_.emplace_back();
    SetTop(kMargin);
  }
  SheetPage& Page() { return pages_.back(); }
  // Rows start at y on this page (below a heading).
  void SetTop(double y) {
    top_ = rowBottom_ = y;
    rowOpen_ = rightFree_ = false;
  }

  // Places an exercise of this drawing with its number; extra is room left below it.
  void Place(int number, DisplayList ops, double extra) {
    const Rect box = OpsBounds(ops);
    double scale = kExerciseScale;
    // A drawing wider than the whole line is made to fit it.
    const double full = kRight - kMargin - kLabelWidth;
    if (box.Width() * scale > full) scale = full / box.Width();
    const double width = kLabelWidth + box.Width() * scale;
    const double height = std::max(box.Height() * scale, 16.0) + extra;
    const bool half = width <= kColumnWidth;
    double x = kMargin;
    if (half && rightFree_ && top_ + height <= kBottom) {
      x = kMargin + kColumnWidth + kColumnGap;
      rightFree_ = false;
    } else {
      if (rowOpen_) {
        top_ = rowBottom_ + kRowGap;
        if (top_ + height > kBottom) NewPage();
      }
      rowOpen_ = true;
      rightFree_ = half;
    }
    RecordingDc label;
    auto font = label.SelectFont(Font{u"system", 16, 700});
    label.TextOut(static_cast<int>(x), static_cast<int>(top_), CircledNumber(number));
    Page().items.push_back({label.Take(), 0, 0, 1});
    Page().items.push_back(
        {std::move(ops), x + kLabelWidth - box.left * scale, top_ + 2 - box.top * scale, scale});
    rowBottom_ = std::max(rowBottom_, top_ + height);
  }

 private:
  std::vector<SheetPage>& pages_;
  double top_ = kMargin, rowBottom_ = kMargin;
  bool rowOpen_ = false, rightFree_ = false;
};

// The title line at the top of the page; returns the y below it.
// A long title is set smaller until it fits the line.
double DrawTitle(RecordingDc& dc, std::u16string_view title) {
  int height = 24;
  while (height > 10 &&
         ReferenceTextExtent(Font{u"system", height, 700}, title).cx > kRight - kMargin)
    height -= 2;
  auto font = dc.SelectFont(Font{u"system", height, 700});
  dc.TextOut(static_cast<int>(kMargin), static_cast<int>(kMargin), title);
  return kMargin + 24 + 16;
}

// Lines for the pupil's name, class, number and the date.
double DrawNameLines(RecordingDc& dc, double top) {
  const int y = static_cast<int>(top);
  const int lineY = y + 19;
  struct Field {
    std::u16string_view label;
    int x, lineEnd;
  };
  const Field fields[] = {{u"氏名", 48, 300},
                          {u"組", 316, 396},
                          {u"番", 412, 492},
                          {u"日付", 508, static_cast<int>(kRight)}};
  for (const Field& f : fields) {
    dc.TextOut(f.x, y, f.label);
    const int start = f.x + dc.GetTextExtent(f.label).cx + 4;
    dc.MoveTo(start, lineY);
    dc.LineTo(f.lineEnd, lineY);
  }
  return top + 19 + 28;
}

}  // namespace

std::span<const WorksheetKind> WorksheetKinds() { return kKinds; }

std::optional<long long> WorksheetNumber(std::u16string_view text, long long low, long long high) {
  if (text.empty() || text.size() > 10) return std::nullopt;
  long long v = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    v = v * 10 + (c - u'0');
  }
  if (v < low || v > high) return std::nullopt;
  return v;
}

std::optional<std::vector<int>> ParseDrillList(std::string_view text, std::string& why) {
  std::vector<int> codes;
  while (true) {
    const size_t comma = text.find(',');
    const std::string_view item = text.substr(0, comma);
    int code = 0;
    const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), code);
    const bool known = ec == std::errc() && end == item.data() + item.size() &&
                       std::any_of(std::begin(kKinds), std::end(kKinds),
                                   [code](auto& k) { return k.code == code; });
    if (!known || std::find(codes.begin(), codes.end(), code) != codes.end()) {
      why = "'" + std::string(item) + "' is " + (known ? "named twice" : "not a drill code");
      return std::nullopt;
    }
    codes.push_back(code);
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return codes;
}

uint32_t ExerciseSeed(uint32_t seed, int version, int index) {
  // A 64-bit mix of the three numbers, so that neighbouring exercises start far apart.
  uint64_t z = seed * 0x9E3779B97F4A7C15ull +
               static_cast<uint64_t>(version + 1) * 0xBF58476D1CE4E5B9ull +
               static_cast<uint64_t>(index + 1) * 0x94D049BB133111EBull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>(z ^ (z >> 31));
}

std::vector<DrillPage> WorksheetExercises(const WorksheetOptions& options, int version) {
  std::vector<DrillPage> out;
  if (options.drills.empty()) return out;
  const int kinds = static_cast<int>(options.drills.size());
  for (int i = 0; i < options.count; ++i) {
    CRandom rng;
    rng.Seed(ExerciseSeed(options.seed, version, i));
    DrillPage page;
    page.m_nUnitX = 8;
    page.m_nUnitY = 16;
    page.m_nTopic =
        static_cast<int16_t>(options.drills[static_cast<size_t>(i * kinds / options.count)]);
    page.m_nSubMode = DrawItem(page.m_nTopic, rng);
    static_cast<DrillSlots&>(page) = GenerateDrill(page.m_nTopic, page, rng);
    out.push_back(page);
  }
  return out;
}

std::u16string CircledNumber(int n) {
  char16_t c = u'?';
  if (n >= 1 && n <= 20)
    c = static_cast<char16_t>(0x2460 + n - 1);
  else if (n >= 21 && n <= 35)
    c = static_cast<char16_t>(0x3251 + n - 21);
  else if (n >= 36 && n <= 50)
    c = static_cast<char16_t>(0x32B1 + n - 36);
  return std::u16string(1, c);
}

Worksheet LayOutWorksheet(WorksheetOptions options) {
  options.count = std::clamp(options.count, kWorksheetMinCount, kWorksheetMaxCount);
  options.versions = std::clamp(options.versions, kWorksheetMinVersions, kWorksheetMaxVersions);
  std::erase_if(options.drills, [](int code) {
    return std::none_of(std::begin(kKinds), std::end(kKinds),
                        [code](const WorksheetKind& k) { return k.code == code; });
  });
  if (options.drills.empty())
    for (const WorksheetKind& k : kKinds) options.drills.push_back(k.code);
  if (options.title.empty()) options.title = kDefaultWorksheetTitle;

  Worksheet sheet;
  PageFiller filler(sheet.pages);
  for (int v = 0; v < options.versions; ++v) {
    const std::u16string title =
        options.versions > 1 ? options.title + u"（" + Letter(v) + u"）" : options.title;
    const std::vector<DrillPage> exercises = WorksheetExercises(options, v);

    filler.NewPage();
    RecordingDc head;
    filler.SetTop(DrawNameLines(head, DrawTitle(head, title)));
    filler.Page().items.push_back({head.Take(), 0, 0, 1});
    for (size_t i = 0; i < exercises.size(); ++i)
      filler.Place(static_cast<int>(i) + 1, Record(exercises[i], false), kWorkingSpace);

    filler.NewPage();
    RecordingDc keyHead;
    filler.SetTop(DrawTitle(keyHead, title + u"　解答") + 8);
    filler.Page().items.push_back({keyHead.Take(), 0, 0, 1});
    for (size_t i = 0; i < exercises.size(); ++i)
      filler.Place(static_cast<int>(i) + 1, Record(exercises[i], true), 0);
  }
  sheet.options = std::move(options);
  return sheet;
}

}  // namespace vl
