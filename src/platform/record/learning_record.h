// The learning record: every marking of a drill answer and every self-assessment, kept so that
// the pupil and the teacher can look back. The interface is synchronous; a store that writes
// slowly (a file, the browser's database) keeps the rows in memory and writes them through.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

// One marking.
struct Attempt {
  int64_t time = 0;  // seconds since 1970-01-01 UTC
  int code = 0;      // the drill code
  int subMode = 0;   // the sub-mode the drill was opened with
  uint32_t seed = 0;
  std::u16string answer;    // what the pupil typed, or できた / まだ
  std::u16string expected;  // the right answer; empty for a self-assessment
  bool correct = false;
  bool operator==(const Attempt&) const = default;
};

// The attempts of one drill code.
struct KindSummary {
  int code = 0;
  int attempts = 0;
  int correct = 0;
  int64_t last = 0;  // time of the newest attempt
  bool operator==(const KindSummary&) const = default;
};

class LearningRecord {
 public:
  virtual ~LearningRecord() = default;

  // The record this process marks into; an in-memory one until a host sets another.
  static LearningRecord& Current();
  // nullptr restores the in-memory default.
  static void SetCurrent(LearningRecord* record);

  // Stores one attempt; false when it could not be kept.
  virtual bool Append(const Attempt& a) = 0;
  // Every attempt, oldest first.
  virtual std::vector<Attempt> All() = 0;
  // The newest n attempts, newest first.
  virtual std::vector<Attempt> Last(size_t n);
  // One summary per drill code that has attempts, by code.
  virtual std::vector<KindSummary> Summaries();
};

// Keeps the attempts in memory. onAppend, when set, receives each stored attempt (a store
// that writes through to slower storage).
class MemoryRecord : public LearningRecord {
 public:
  MemoryRecord() = default;
  explicit MemoryRecord(std::vector<Attempt> initial,
                        std::function<void(const Attempt&)> onAppend = nullptr)
      : rows_(std::move(initial)), onAppend_(std::move(onAppend)) {}

  bool Append(const Attempt& a) override;
  std::vector<Attempt> All() override { return rows_; }
  std::vector<Attempt> Last(size_t n) override;

 private:
  std::vector<Attempt> rows_;
  std::function<void(const Attempt&)> onAppend_;
};

// Summaries of attempts, one per drill code, ordered by code.
std::vector<KindSummary> Summarize(const std::vector<Attempt>& attempts);

// Local date and time of t: "2026-12-09T10:45:00+09:00" (ISO 8601).
std::string IsoTime(int64_t t);

// The attempts as CSV for a spreadsheet: UTF-8 with a byte-order mark, a header row, one row
// per attempt, CRLF line ends, times in ISO 8601. kindName names a drill code.
std::string AttemptsCsv(const std::vector<Attempt>& attempts,
                        const std::function<std::u16string(int code)>& kindName);

}  // namespace vl
