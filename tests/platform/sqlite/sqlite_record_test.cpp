#include "platform/sqlite/sqlite_record.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace vl {
namespace {

namespace fs = std::filesystem;

class SqliteRecordTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir =
        fs::path(::testing::TempDir()) /
        ("record-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = (dir / "record.sqlite").string();
  }
  SqliteRecord::Notice Tell() {
    return [this](std::u16string_view m) { messages.emplace_back(m); };
  }
  static Attempt Make(int code, bool correct, int64_t time = 100) {
    return {time, code, 0, 77u, u"１２", u"12", correct};
  }
  static int Exec(const std::string& file, const char* sql) {
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    int rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return rc;
  }
  fs::path dir;
  std::string path;
  std::vector<std::u16string> messages;
};

TEST_F(SqliteRecordTest, KeepsAttemptsAcrossOpeningsAndSummarisesThem) {
  {
    SqliteRecord r(path, Tell());
    EXPECT_TRUE(r.Append(Make(2772, true, 100)));
    EXPECT_TRUE(r.Append(Make(2769, false, 200)));
    EXPECT_TRUE(r.Append(Make(2772, false, 300)));
  }
  SqliteRecord again(path, Tell());
  ASSERT_EQ(again.All().size(), 3u);
  EXPECT_EQ(again.All()[0], Make(2772, true, 100));
  EXPECT_EQ(again.Last(2), (std::vector<Attempt>{Make(2772, false, 300), Make(2769, false, 200)}));
  EXPECT_EQ(again.Summaries(), (std::vector<KindSummary>{{2769, 1, 0, 200}, {2772, 2, 1, 300}}));
  EXPECT_EQ(again.Summaries(), Summarize(again.All()));
  EXPECT_TRUE(messages.empty());
}

TEST_F(SqliteRecordTest, MigratesTheFirstSchema) {
  ASSERT_EQ(Exec(path,
                 "CREATE TABLE attempts(id INTEGER PRIMARY KEY, time INTEGER NOT NULL,"
                 " code INTEGER NOT NULL, sub_mode INTEGER NOT NULL, seed INTEGER NOT NULL,"
                 " answer TEXT NOT NULL, correct INTEGER NOT NULL);"
                 "INSERT INTO attempts VALUES(1, 5, 2769, 0, 9, '6', 1);"
                 "PRAGMA user_version=1;"),
            SQLITE_OK);
  SqliteRecord r(path, Tell());
  EXPECT_TRUE(r.Append(Make(2771, false)));
  const auto all = r.All();
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0], (Attempt{5, 2769, 0, 9u, u"6", u"", true}));
  EXPECT_EQ(all[1], Make(2771, false));
  EXPECT_TRUE(messages.empty());
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &st, nullptr);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(st, 0), SqliteRecord::kSchemaVersion);
  sqlite3_finalize(st);
  sqlite3_close(db);
}

TEST_F(SqliteRecordTest, UnreadableFilesAreMovedAsideOnceAndAFreshRecordStarts) {
  // A text file under the name, and a database whose first page is damaged.
  for (int kind = 0; kind < 2; ++kind) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    messages.clear();
    if (kind == 0) {
      std::ofstream(path) << "this is a note, not a database\n";
    } else {
      {
        SqliteRecord r(path, Tell());
        r.Append(Make(2769, true));
      }
      std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
      f.seekp(20);
      f << std::string(2000, '\x7f');
    }
    SqliteRecord r(path, Tell());
    EXPECT_TRUE(r.Append(Make(2772, true))) << kind;
    EXPECT_TRUE(r.Append(Make(2772, false)));
    EXPECT_EQ(r.All().size(), 2u);
    ASSERT_EQ(messages.size(), 1u) << kind;
    std::vector<std::string> moved;
    for (auto& e : fs::directory_iterator(dir))
      if (e.path().filename().string().starts_with("record.sqlite.broken-"))
        moved.push_back(e.path().filename().string());
    ASSERT_EQ(moved.size(), 1u) << kind;
    EXPECT_NE(messages[0].find(u".broken-"), std::u16string::npos);
    if (kind == 0) {
      std::ifstream in(dir / moved[0]);
      std::string line;
      std::getline(in, line);
      EXPECT_EQ(line, "this is a note, not a database");  // nothing of it is lost
    }
  }
}

TEST_F(SqliteRecordTest, WithoutAUsableFileTheSessionStillRecordsAndSaysSoOnce) {
  // The folder cannot be made (a file stands in its place).
  std::ofstream(dir / "plain") << "x";
  SqliteRecord r((dir / "plain" / "record.sqlite").string(), Tell());
  EXPECT_FALSE(r.Append(Make(2769, true)));
  EXPECT_FALSE(r.Append(Make(2769, false)));
  EXPECT_EQ(r.All().size(), 2u);
  EXPECT_EQ(messages.size(), 1u);

  // A record from a newer program is left as it is.
  ASSERT_EQ(Exec(path, "CREATE TABLE t(x); PRAGMA user_version=99;"), SQLITE_OK);
  const auto size = fs::file_size(path);
  messages.clear();
  SqliteRecord newer(path, Tell());
  EXPECT_FALSE(newer.Append(Make(2769, true)));
  EXPECT_EQ(messages.size(), 1u);
  EXPECT_EQ(fs::file_size(path), size);
}

TEST_F(SqliteRecordTest, AReadOnlyFolderKeepsTheSessionInMemory) {
  const fs::path ro = dir / "ro";
  fs::create_directories(ro);
  fs::permissions(ro, fs::perms::owner_read | fs::perms::owner_exec);
  // Root writes into read-only folders, but not into /proc.
  const std::string file = geteuid() == 0 ? "/proc/self/record.sqlite" : (ro / "r.sqlite").string();
  SqliteRecord locked(file, Tell());
  EXPECT_FALSE(locked.Append(Make(2769, true)));
  EXPECT_FALSE(locked.Append(Make(2769, false)));
  EXPECT_EQ(locked.All().size(), 2u);
  EXPECT_EQ(messages.size(), 1u);
  fs::permissions(ro, fs::perms::owner_all);
}

TEST(AttemptsCsv, OneRowPerAttemptThatPythonReads) {
  std::vector<Attempt> rows = {{0, 2772, 0, 5u, u"7\"0,", u"70", false},
                               {60, 2778, 1, 6u, u"できた", u"", true}};
  const std::string csv = AttemptsCsv(rows, [](int) { return std::u16string(u"組合せ"); });
  ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF日時,"));
  EXPECT_NE(csv.find(",\"7\"\"0,\",70,不正解\r\n"), std::string::npos);
  if (std::system("python3 -c '' 2>/dev/null") != 0) GTEST_SKIP() << "no python3";
  const std::string file = ::testing::TempDir() + "record.csv";
  std::ofstream(file, std::ios::binary) << csv;
  const std::string check =
      "python3 -c \"import csv,sys; r=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',"
      "newline=''))); sys.exit(0 if len(r)==3 and r[1][5]=='7\\\"0,' and r[2][0][10]=='T'"
      " and all(len(x)==8 for x in r) else 1)\" " +
      file;
  EXPECT_EQ(std::system(check.c_str()), 0);
}

}  // namespace
}  // namespace vl
