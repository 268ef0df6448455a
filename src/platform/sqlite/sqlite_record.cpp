#include "platform/sqlite/sqlite_record.h"

#include <sqlite3.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/text.h"

namespace vl {

namespace fs = std::filesystem;

namespace {

// Each step takes the schema from version i to i + 1, inside one transaction.
constexpr const char* kMigrations[] = {
    // 1: the attempts.
    "CREATE TABLE attempts(id INTEGER PRIMARY KEY, time INTEGER NOT NULL,"
    " code INTEGER NOT NULL, sub_mode INTEGER NOT NULL, seed INTEGER NOT NULL,"
    " answer TEXT NOT NULL, correct INTEGER NOT NULL)",
    // 2: the right answer beside the pupil's, and summaries by drill code.
    "ALTER TABLE attempts ADD COLUMN expected TEXT NOT NULL DEFAULT '';"
    "CREATE INDEX attempts_code ON attempts(code)",
};
static_assert(std::size(kMigrations) == SqliteRecord::kSchemaVersion);

bool IsBroken(int rc) {
  rc &= 0xFF;
  return rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT;
}

// A prepared statement that finalizes itself.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) { rc_ = sqlite3_prepare_v2(db, sql, -1, &st_, nullptr); }
  ~Statement() { sqlite3_finalize(st_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  bool Ok() const { return rc_ == SQLITE_OK; }
  int Rc() const { return rc_; }
  sqlite3_stmt* operator*() const { return st_; }
  int Step() { return rc_ = sqlite3_step(st_); }

 private:
  sqlite3_stmt* st_ = nullptr;
  int rc_;
};

std::u16string Column16(sqlite3_stmt* st, int i) {
  const unsigned char* s = sqlite3_column_text(st, i);
  return s ? Utf8ToUtf16(reinterpret_cast<const char*>(s)) : std::u16string();
}

}  // namespace

SqliteRecord::SqliteRecord(std::string path, Notice notice)
    : path_(std::move(path)), notice_(std::move(notice)) {}

SqliteRecord::~SqliteRecord() { Close(); }

void SqliteRecord::Close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void SqliteRecord::Tell(std::u16string_view message) {
  if (told_) return;
  told_ = true;
  if (notice_) notice_(message);
}

bool SqliteRecord::Migrate(std::string& why, OpenResult& result) {
  auto fail = [&](int rc) {
    why = sqlite3_errmsg(db_);
    result = IsBroken(rc) ? OpenResult::kBroken : OpenResult::kFailed;
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return false;
  };
  // The write lock first, so that two programs starting at once migrate one after the other.
  if (int rc = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr); rc != SQLITE_OK)
    return fail(rc);
  int version = 0;
  {
    Statement st(db_, "PRAGMA user_version");
    if (!st.Ok() || st.Step() != SQLITE_ROW) return fail(st.Rc());
    version = sqlite3_column_int(*st, 0);
  }
  if (version > kSchemaVersion) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    result = OpenResult::kNewer;
    return false;
  }
  for (int v = version; v < kSchemaVersion; ++v)
    if (int rc = sqlite3_exec(db_, kMigrations[v], nullptr, nullptr, nullptr); rc != SQLITE_OK)
      return fail(rc);
  if (version != kSchemaVersion) {
    const std::string set = "PRAGMA user_version=" + std::to_string(kSchemaVersion);
    if (int rc = sqlite3_exec(db_, set.c_str(), nullptr, nullptr, nullptr); rc != SQLITE_OK)
      return fail(rc);
  }
  if (int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr); rc != SQLITE_OK)
    return fail(rc);
  return true;
}

SqliteRecord::OpenResult SqliteRecord::OpenFile(std::string& why) {
  Close();
  int rc =
      sqlite3_open_v2(path_.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  auto fail = [&](int code) {
    why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(code);
    Close();
    return IsBroken(code) ? OpenResult::kBroken : OpenResult::kFailed;
  };
  if (rc != SQLITE_OK) return fail(rc);
  sqlite3_busy_timeout(db_, 10000);
  // WAL: readers and one writer at a time without blocking each other, and a write cut off by
  // a power failure leaves the last committed state.
  {
    Statement st(db_, "PRAGMA journal_mode=WAL");
    if (!st.Ok()) return fail(st.Rc());
    if (st.Step() != SQLITE_ROW) return fail(st.Rc());
  }
  {
    Statement st(db_, "PRAGMA quick_check");
    if (!st.Ok()) return fail(st.Rc());
    if (st.Step() != SQLITE_ROW) return fail(st.Rc());
    const unsigned char* s = sqlite3_column_text(*st, 0);
    if (!s || std::string_view(reinterpret_cast<const char*>(s)) != "ok") {
      why = "damaged";
      Close();
      return OpenResult::kBroken;
    }
  }
  OpenResult result = OpenResult::kOk;
  if (!Migrate(why, result)) {
    Close();
    return result;
  }
  return OpenResult::kOk;
}

std::string SqliteRecord::MoveAside() {
  Close();
  const std::time_t now = std::time(nullptr);
  std::tm tm{};
  localtime_r(&now, &tm);
  char date[16];
  std::strftime(date, sizeof date, "%Y%m%d", &tm);
  std::string target = path_ + ".broken-" + date;
  std::error_code ec;
  for (int n = 2; fs::exists(target, ec); ++n)
    target = path_ + ".broken-" + date + "-" + std::to_string(n);
  fs::rename(path_, target, ec);
  if (ec) return {};
  // The journal files belong to the broken file; replayed into a fresh one they would harm it.
  for (const char* suffix : {"-wal", "-shm"}) {
    if (fs::exists(path_ + suffix, ec)) fs::rename(path_ + suffix, target + suffix, ec);
  }
  return target;
}

void SqliteRecord::FallBack(std::u16string_view message) {
  // What can still be read stays visible for the session.
  std::vector<Attempt> rows;
  if (db_) rows = Query(nullptr, -1);
  Close();
  memory_ = MemoryRecord(std::move(rows));
  Tell(message);
}

bool SqliteRecord::Open() {
  if (tried_) return db_ != nullptr;
  tried_ = true;
  const std::u16string name = Utf8ToUtf16(path_);
  auto notKept = [&](std::u16string_view why) {
    FallBack(u"学習記録のファイル「" + name + u"」を使えません（" + std::u16string(why) +
             u"）。今回の結果は保存されません。");
    return false;
  };
  if (path_.empty()) return notKept(u"保存する場所がありません");
  std::error_code ec;
  const fs::path parent = fs::path(path_).parent_path();
  if (!parent.empty()) fs::create_directories(parent, ec);
  if (ec) return notKept(u"フォルダーを作れません: " + Utf8ToUtf16(ec.message()));

  std::string why;
  OpenResult r = OpenFile(why);
  if (r == OpenResult::kBroken) {
    const std::string moved = MoveAside();
    if (moved.empty()) return notKept(u"壊れたファイルを移せません");
    r = OpenFile(why);
    if (r == OpenResult::kOk) {
      Tell(u"学習記録のファイルが読めなかったので「" + Utf8ToUtf16(moved) +
           u"」に移し、新しい記録を始めました。");
      return true;
    }
  }
  if (r == OpenResult::kNewer) return notKept(u"新しい版のVelorinの記録です");
  if (r != OpenResult::kOk) return notKept(u"書き込めません: " + Utf8ToUtf16(why));
  return true;
}

bool SqliteRecord::Append(const Attempt& a) {
  if (Open()) {
    Statement st(db_,
                 "INSERT INTO attempts(time, code, sub_mode, seed, answer, expected, correct)"
                 " VALUES(?, ?, ?, ?, ?, ?, ?)");
    if (st.Ok()) {
      const std::string answer = Utf16ToUtf8(a.answer), expected = Utf16ToUtf8(a.expected);
      sqlite3_bind_int64(*st, 1, a.time);
      sqlite3_bind_int(*st, 2, a.code);
      sqlite3_bind_int(*st, 3, a.subMode);
      sqlite3_bind_int64(*st, 4, a.seed);
      sqlite3_bind_text(*st, 5, answer.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_text(*st, 6, expected.c_str(), -1, SQLITE_TRANSIENT);
      sqlite3_bind_int(*st, 7, a.correct ? 1 : 0);
      if (st.Step() == SQLITE_DONE) return true;
    }
    const std::u16string why = Utf8ToUtf16(sqlite3_errmsg(db_));
    FallBack(u"学習記録に書き込めません（" + why + u"）。ここからの結果は保存されません。");
  }
  memory_.Append(a);
  return false;
}

std::vector<Attempt> SqliteRecord::Query(const char* order, int limit) {
  std::string sql =
      "SELECT time, code, sub_mode, seed, answer, expected, correct FROM attempts ORDER BY id";
  if (order) sql += order;
  sql += " LIMIT " + std::to_string(limit);
  std::vector<Attempt> out;
  Statement st(db_, sql.c_str());
  if (!st.Ok()) return out;
  while (st.Step() == SQLITE_ROW) {
    Attempt a;
    a.time = sqlite3_column_int64(*st, 0);
    a.code = sqlite3_column_int(*st, 1);
    a.subMode = sqlite3_column_int(*st, 2);
    a.seed = static_cast<uint32_t>(sqlite3_column_int64(*st, 3));
    a.answer = Column16(*st, 4);
    a.expected = Column16(*st, 5);
    a.correct = sqlite3_column_int(*st, 6) != 0;
    out.push_back(std::move(a));
  }
  return out;
}

bool SqliteRecord::OpenToRead() {
  // Looking at a record that does not exist yet creates no file.
  std::error_code ec;
  if (!tried_ && !fs::exists(path_, ec)) return false;
  return Open();
}

std::vector<Attempt> SqliteRecord::All() {
  return OpenToRead() ? Query(nullptr, -1) : memory_.All();
}

std::vector<Attempt> SqliteRecord::Last(size_t n) {
  return OpenToRead() ? Query(" DESC", static_cast<int>(n)) : memory_.Last(n);
}

std::vector<KindSummary> SqliteRecord::Summaries() {
  if (!OpenToRead()) return memory_.Summaries();
  std::vector<KindSummary> out;
  Statement st(db_,
               "SELECT code, COUNT(*), SUM(correct), MAX(time) FROM attempts"
               " GROUP BY code ORDER BY code");
  if (!st.Ok()) return out;
  while (st.Step() == SQLITE_ROW)
    out.push_back({sqlite3_column_int(*st, 0), sqlite3_column_int(*st, 1),
                   sqlite3_column_int(*st, 2), sqlite3_column_int64(*st, 3)});
  return out;
}

std::string DefaultRecordPath() {
  fs::path base;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && fs::path(xdg).is_absolute()) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = fs::path(home) / ".local" / "share";
  } else {
    return {};
  }
  return (base / "Orvanel" / "Velorin" / "record.sqlite").string();
}

}  // namespace vl
