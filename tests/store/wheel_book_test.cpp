#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <tuple>

#include "../support/test_program.h"
#include "core/utc_time.h"
#include "store/spin_file.h"
#include "store/wheel_book.h"

namespace fs = std::filesystem;

namespace {

constexpr std::int64_t Noon = 1796731200;  // 2026-12-08T12:00:00Z

// A book in a fresh folder; queries look at the file as any SQLite tool would.
class Book : public ::testing::Test {
 protected:
  fs::path folder = MakeProgramFolder();
  fs::path file = folder / "wheelbook.sqlite3";
  WheelBook book;

  BookOpening open(int pockets = 38) { return book.open(file, "wheelbook.sqlite3", pockets, Noon); }

  std::string query(const std::string& sql) { return SqlRows(file, sql); }

  std::int64_t spin(std::int64_t session, int index, std::int64_t at = Noon) {
    const auto r = book.appendSpin(session, index, at, SpinOrigin::Entry);
    EXPECT_TRUE(r.result.done());
    return r.value;
  }

  std::vector<signed char> spinsOfCurrent() { return book.wheelSpins(book.currentWheel()).value; }

  // Lays bytes over the file from `offset`, or cuts it there when `bytes` is empty.
  void damage(std::uintmax_t offset, const std::string& bytes) {
    if (bytes.empty()) return fs::resize_file(file, offset);
    std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp(static_cast<std::streamoff>(offset));
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
};

}  // namespace

TEST_F(Book, NewBookHasItsSchemaOneWheelAndTheLogMode) {
  ASSERT_TRUE(open(37).result.done());
  EXPECT_EQ(query("PRAGMA user_version"), "1");
  EXPECT_EQ(query("PRAGMA journal_mode"), "wal");
  const auto wheels = book.wheels().value;
  ASSERT_EQ(wheels.size(), 1u);
  EXPECT_EQ(std::tie(wheels[0].name, wheels[0].pockets, wheels[0].createdAt),
            std::tuple("テーブル 1", 37, "2026-12-08T12:00:00Z"));
  EXPECT_EQ(book.currentWheel(), wheels[0].id);
  // The schema itself refuses what no spin can be.
  const auto session = book.startSession(book.currentWheel(), Noon).value;
  EXPECT_EQ(query("SELECT count(*) FROM sessions"), "1");
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  for (const char* bad : {"INSERT INTO spins(session_id, number, recorded_at, source) "
                          "VALUES (1, '37', 'x', 'entry')",
                          "INSERT INTO spins(session_id, number, recorded_at, source) "
                          "VALUES (1, '7', 'x', 'typed')",
                          "INSERT INTO wheels(name, pockets, created_at) VALUES ('x', 36, 'x')"})
    EXPECT_NE(sqlite3_exec(db, bad, nullptr, nullptr, nullptr), SQLITE_OK) << bad;
  sqlite3_close(db);
  EXPECT_EQ(session, 1);
}

TEST_F(Book, SpinsSessionsAndWheelsAddUpAndSurviveAReopen) {
  ASSERT_TRUE(open().result.done());
  const auto first = book.currentWheel();
  const auto s1 = book.startSession(first, Noon).value;
  spin(s1, 36, Noon);
  spin(s1, 37, Noon + 60);
  const auto s2 = book.startSession(first, Noon + 9000).value;
  const auto last = spin(s2, 16, Noon + 9000);

  // The undo takes the spin out of every count and date.
  spin(s2, 4, Noon + 9060);
  ASSERT_TRUE(book.undoSpin(last + 1).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{36, 37, 16}));
  auto sessions = book.sessions(first).value;
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(std::tie(sessions[0].spins, sessions[0].lastAt, sessions[1].lastAt),
            std::tuple(2, "2026-12-08T12:01:00Z", "2026-12-08T14:30:00Z"));

  // A second wheel, chosen; names are unique and never empty.
  const auto second = book.addWheel("Casino B", 37, Noon).value;
  EXPECT_EQ(book.addWheel("Casino B", 38, Noon).result.outcome, FileResult::Malformed);
  EXPECT_EQ(book.renameWheel(second, "テーブル 1").outcome, FileResult::Malformed);
  EXPECT_EQ(book.renameWheel(second, "").outcome, FileResult::Malformed);
  ASSERT_TRUE(book.renameWheel(second, "Casino, B \"east\"").done());
  ASSERT_TRUE(book.chooseWheel(second).done());
  EXPECT_EQ(book.chooseWheel(99).outcome, FileResult::Missing);
  spin(book.startSession(second, Noon).value, 0);

  // A session whose only spin was undone is gone at the next start.
  const auto empty = book.startSession(second, Noon).value;
  ASSERT_TRUE(book.undoSpin(spin(empty, 5)).done());
  ASSERT_TRUE(book.confirmGame().done());
  book.close();
  ASSERT_TRUE(open().result.done());
  EXPECT_EQ(book.currentWheel(), second);
  const auto wheels = book.wheels().value;
  ASSERT_EQ(wheels.size(), 2u);
  EXPECT_EQ(std::tie(wheels[0].spins, wheels[0].firstAt, wheels[0].lastAt, wheels[1].spins),
            std::tuple(3, "2026-12-08T12:00:00Z", "2026-12-08T14:30:00Z", 1));
  EXPECT_EQ(book.sessions(second).value.size(), 1u);
  EXPECT_EQ(query("SELECT count(*) FROM sessions"), "3");

  // Deleting a session takes its spins.
  ASSERT_TRUE(book.deleteSession(s1).done());
  EXPECT_EQ(book.wheelSpins(first).value, (std::vector<signed char>{16}));
  EXPECT_EQ(query("SELECT count(*) FROM spins"), "2");

  EXPECT_EQ(BookCsvBytes(book.spinRows(second, 0).value),
            "wheel,session,spin,number,colour,recorded_at\r\n"
            "\"Casino, B \"\"east\"\"\",3,1,1,red,2026-12-08T12:00:00Z\r\n");
  EXPECT_EQ(BookCsvBytes(book.spinRows(first, s2).value),
            "wheel,session,spin,number,colour,recorded_at\r\n"
            "テーブル 1,2,1,17,black,2026-12-08T14:30:00Z\r\n");
}

// A kill between a change of the book and the write of the recovery files leaves the book
// one event ahead; the game that comes back decides.
TEST_F(Book, SettlingTakesBackOnlyTheEventTheGameDoesNotHold) {
  ASSERT_TRUE(open().result.done());
  const auto s = book.startSession(book.currentWheel(), Noon).value;
  spin(s, 1);
  spin(s, 2);
  ASSERT_TRUE(book.confirmGame().done());

  // An import of three cut short: the game came back with two spins.
  for (int i : {3, 4, 5}) spin(s, i);
  ASSERT_TRUE(book.settleGame(2).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{1, 2}));

  // The recovery files were written, the confirmation was not: the spin stays.
  const auto six = spin(s, 6);
  ASSERT_TRUE(book.settleGame(3).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{1, 2, 6}));

  // An undo cut short puts the spin back, where it was; a finished one does not.
  ASSERT_TRUE(book.undoSpin(six).done());
  ASSERT_TRUE(book.settleGame(3).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{1, 2, 6}));
  const std::string id = std::to_string(six);
  EXPECT_EQ(query("SELECT number || ' ' || session_id FROM spins WHERE id = " + id), "7 1");
  ASSERT_TRUE(book.undoSpin(six).done());
  ASSERT_TRUE(book.settleGame(2).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{1, 2}));

  // After a slot load nothing is taken back, whatever the old game was.
  spin(s, 7);
  ASSERT_TRUE(book.setGame(40).done());
  ASSERT_TRUE(book.settleGame(2).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{1, 2, 7}));

  // An undo of a session's only spin, cut short: the session waits for it across a start.
  const auto alone = spin(book.startSession(book.currentWheel(), Noon).value, 20);
  ASSERT_TRUE(book.confirmGame().done());
  ASSERT_TRUE(book.undoSpin(alone).done());
  book.close();
  ASSERT_TRUE(open().result.done());
  ASSERT_TRUE(book.settleGame(3).done());
  EXPECT_EQ(spinsOfCurrent(), (std::vector<signed char>{1, 2, 7, 20}));
}

TEST_F(Book, DamagedBooksAreSetAsideAndANewOneStarted) {
  struct Case {
    const char* what;
    std::uintmax_t offset;
    std::string bytes;
  };
  const Case cases[] = {
      {"not a database", 0, std::string(5000, 'x')},
      {"truncated", 4096 * 3, ""},
      {"a page overwritten", 4096 * 4, std::string(4096, '\x7f')},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(open().result.done());
    const auto s = book.startSession(book.currentWheel(), Noon).value;
    for (int k = 0; k < 2000; ++k) spin(s, k % 38);
    book.close();
    damage(c.offset, c.bytes);
    const std::string aside = "wheelbook.sqlite3.damaged" + std::to_string(++n);
    const BookOpening o = open();
    ASSERT_TRUE(o.result.done());
    EXPECT_EQ(o.setAside, aside);
    EXPECT_TRUE(fs::exists(folder / aside));
    EXPECT_TRUE(spinsOfCurrent().empty());
    EXPECT_EQ(book.wheels().value.size(), 1u);
    // The new book works.
    spin(book.startSession(book.currentWheel(), Noon).value, 7);
    EXPECT_EQ(spinsOfCurrent().size(), 1u);
    book.close();
    fs::remove(file);
  }
}

TEST_F(Book, OlderAndNewerBooks) {
  // A book a player began with a SQLite tool, at version 0, gets the schema.
  sqlite3* db = nullptr;
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(db, "CREATE TABLE notes(text TEXT); INSERT INTO notes VALUES ('mine')", nullptr,
               nullptr, nullptr);
  sqlite3_close(db);
  ASSERT_TRUE(open().result.done());
  EXPECT_EQ(query("PRAGMA user_version"), "1");
  EXPECT_EQ(query("SELECT text FROM notes"), "mine");
  EXPECT_EQ(book.wheels().value.size(), 1u);
  book.close();

  // One from a newer program is neither used nor touched.
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(db, "PRAGMA user_version=99", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  const BookOpening o = open();
  EXPECT_EQ(o.result.outcome, FileResult::Malformed);
  EXPECT_FALSE(book.isOpen());
  EXPECT_EQ(query("PRAGMA user_version"), "99");

  // One that cannot be made at all is a failure to report, not damage.
  fs::remove(file);
  const BookOpening nowhere = book.open(folder / "no" / "such" / "book", "x", 38, Noon);
  EXPECT_EQ(nowhere.result.outcome, FileResult::Failed);
  EXPECT_TRUE(nowhere.setAside.empty());
}

TEST(UtcTime, StampsAndScriptDates) {
  EXPECT_EQ(UtcStamp(0), "1970-01-01T00:00:00Z");
  EXPECT_EQ(UtcStamp(Noon + 3785), "2026-12-08T13:03:05Z");
  EXPECT_EQ(SecondsOfGeneralDate("2026/12/08 12:00:00"), Noon);
  for (const char* bad : {"", "2026/13/08 12:00:00", "2026/02/30 12:00:00", "2026/12/08 12:00",
                          "2026/12/08 12:00:00 PM"})
    EXPECT_FALSE(SecondsOfGeneralDate(bad)) << bad;
}
