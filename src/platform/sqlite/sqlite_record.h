// The learning record in an SQLite file. The file opens on first use, so a run that marks
// nothing never touches it. It runs in WAL mode with a busy timeout, so that two programs
// writing at once both keep their rows; a file that is not a readable database is moved aside
// and a fresh one started; where no file can be kept the record lives in memory for the
// session. Each of these cases is told once, through the notice.
#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/record/learning_record.h"

struct sqlite3;

namespace vl {

class SqliteRecord : public LearningRecord {
 public:
  // The schema version this program writes (PRAGMA user_version).
  static constexpr int kSchemaVersion = 2;

  using Notice = std::function<void(std::u16string_view message)>;
  SqliteRecord(std::string path, Notice notice);
  ~SqliteRecord() override;
  SqliteRecord(const SqliteRecord&) = delete;
  SqliteRecord& operator=(const SqliteRecord&) = delete;

  // Opens the file if it is not open yet; false when results are not kept in it.
  bool Open();

  bool Append(const Attempt& a) override;
  std::vector<Attempt> All() override;
  std::vector<Attempt> Last(size_t n) override;
  std::vector<KindSummary> Summaries() override;

 private:
  enum class OpenResult { kOk, kBroken, kNewer, kFailed };
  bool OpenToRead();
  OpenResult OpenFile(std::string& why);
  bool Migrate(std::string& why, OpenResult& result);
  void Close();
  // Moves the file (and its journal files) aside; returns the new name, empty on failure.
  std::string MoveAside();
  // Gives up on the file for this session, keeping what it could read in memory.
  void FallBack(std::u16string_view message);
  void Tell(std::u16string_view message);
  std::vector<Attempt> Query(const char* sql, int limit);

  std::string path_;
  Notice notice_;
  sqlite3* db_ = nullptr;
  bool tried_ = false;
  bool told_ = false;
  MemoryRecord memory_;
};

// $XDG_DATA_HOME/Orvanel/Velorin/record.sqlite, with ~/.local/share when XDG_DATA_HOME is
// unset or not absolute; empty when neither that nor HOME is known.
std::string DefaultRecordPath();

}  // namespace vl
