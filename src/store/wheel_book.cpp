#include "store/wheel_book.h"

#include <sqlite3.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "core/disk.h"
#include "core/number_index.h"
#include "core/utc_time.h"

namespace {

namespace fs = std::filesystem;

// Each step brings the schema from the version before it to its own (PRAGMA user_version).
// A book that a player made with a SQLite tool and left at version 0 gets the whole schema.
// The counts and last times of the sessions are kept by triggers, so that they stay right
// when a player edits the spins with another tool.
const char* const Migrations[] = {
    R"sql(
CREATE TABLE wheels(
  id INTEGER PRIMARY KEY,
  name TEXT NOT NULL UNIQUE,
  pockets INTEGER NOT NULL CHECK (pockets IN (37, 38)),
  note TEXT NOT NULL DEFAULT '',
  created_at TEXT NOT NULL);
CREATE TABLE sessions(
  id INTEGER PRIMARY KEY,
  wheel_id INTEGER NOT NULL REFERENCES wheels(id),
  started_at TEXT NOT NULL,
  spin_count INTEGER NOT NULL DEFAULT 0,
  last_at TEXT NOT NULL DEFAULT '');
CREATE INDEX sessions_by_wheel ON sessions(wheel_id);
CREATE TABLE spins(
  id INTEGER PRIMARY KEY,
  session_id INTEGER NOT NULL REFERENCES sessions(id) ON DELETE CASCADE,
  number TEXT NOT NULL CHECK (number IN ('0', '00', '1', '2', '3', '4', '5', '6', '7', '8',
    '9', '10', '11', '12', '13', '14', '15', '16', '17', '18', '19', '20', '21', '22', '23',
    '24', '25', '26', '27', '28', '29', '30', '31', '32', '33', '34', '35', '36')),
  recorded_at TEXT NOT NULL,
  source TEXT NOT NULL CHECK (source IN ('entry', 'import')));
CREATE INDEX spins_by_session ON spins(session_id, id, number);
CREATE TRIGGER spin_added AFTER INSERT ON spins BEGIN
  UPDATE sessions SET spin_count = spin_count + 1, last_at = max(last_at, NEW.recorded_at)
    WHERE id = NEW.session_id;
END;
CREATE TRIGGER spin_removed AFTER DELETE ON spins BEGIN
  UPDATE sessions SET spin_count = spin_count - 1,
    last_at = coalesce((SELECT recorded_at FROM spins WHERE session_id = OLD.session_id
                        ORDER BY id DESC LIMIT 1), '')
    WHERE id = OLD.session_id;
END;
CREATE TABLE program(
  id INTEGER PRIMARY KEY CHECK (id = 1),
  current_wheel INTEGER REFERENCES wheels(id) ON DELETE SET NULL,
  game_spins INTEGER NOT NULL DEFAULT 0,
  pending_from INTEGER,
  undone_id INTEGER,
  undone_session INTEGER,
  undone_number TEXT,
  undone_at TEXT,
  undone_source TEXT);
INSERT INTO program(id) VALUES (1);
)sql",
};
constexpr int SchemaVersion = static_cast<int>(std::size(Migrations));

const char* const FirstWheelName = "テーブル 1";
// Names tried for a damaged book before giving up on setting it aside.
constexpr int MaxSetAside = 1000;

class SqliteCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "sqlite"; }
  std::string message(int code) const override { return sqlite3_errstr(code); }
};

const std::error_category& sqliteCategory() {
  static const SqliteCategory category;
  return category;
}

bool isDamage(int code) {
  const int primary = code & 0xFF;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

const char* originText(SpinOrigin o) {
  return o == SpinOrigin::Entry ? "entry" : "import";
}

// "0".."36" and "00" to their index; the schema admits no other text.
int indexOfStored(const unsigned char* text) {
  return text ? IndexOfNumberText(reinterpret_cast<const char*>(text)) : -1;
}

std::string columnText(sqlite3_stmt* s, int column) {
  const unsigned char* t = sqlite3_column_text(s, column);
  return t ? reinterpret_cast<const char*>(t) : "";
}

}  // namespace

// The connection, its statements, and the thread that brings the log to the disk.
struct WheelBook::Db {
  sqlite3* db = nullptr;
  std::map<const char*, sqlite3_stmt*> statements;
  fs::path file;
  std::string relative;

  std::thread syncer;
  std::mutex mutex;
  std::condition_variable wake;
  bool dirty = false;
  bool stopping = false;

  ~Db() {
    stopSyncer();
    for (auto& [sql, s] : statements) sqlite3_finalize(s);
    if (db) {
      // The last checkpoint empties the log, so that the book is one file again.
      sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
      sqlite3_close_v2(db);
    }
  }

  FileResult fault(int code) const {
    return {FileResult::Failed, relative, std::error_code(code & 0xFF, sqliteCategory())};
  }

  // A prepared statement, made once per connection and reset for each use.
  sqlite3_stmt* statement(const char* sql) {
    auto& s = statements[sql];
    if (!s) sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    return s;
  }

  // Runs statements that take no values.
  int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

  // Steps a statement with its values bound by `bind` through every row, which `row`
  // takes; gives the SQLite result code.
  template <class Bind, class Row>
  int run(const char* sql, Bind bind, Row row) {
    sqlite3_stmt* s = statement(sql);
    if (!s) return sqlite3_errcode(db);
    bind(s);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) row(s);
    sqlite3_reset(s);
    sqlite3_clear_bindings(s);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
  }
  template <class Bind>
  int run(const char* sql, Bind bind) {
    return run(sql, bind, [](sqlite3_stmt*) {});
  }

  // Runs `steps` in one transaction: all of it is in the book, or none.
  // Its three statements are prepared once too: a spin's commit costs no parsing.
  template <class Steps>
  int transaction(Steps steps) {
    const auto none = [](sqlite3_stmt*) {};
    int rc = run("BEGIN IMMEDIATE", none);
    if (rc != SQLITE_OK) return rc;
    rc = steps();
    if (rc == SQLITE_OK) rc = run("COMMIT", none);
    if (rc != SQLITE_OK) run("ROLLBACK", none);
    return rc;
  }

  void startSyncer() {
    sqlite3_wal_hook(
        db,
        [](void* self, sqlite3*, const char*, int) {
          auto& d = *static_cast<Db*>(self);
          bool was;
          {
            std::lock_guard lock(d.mutex);
            was = std::exchange(d.dirty, true);
          }
          // Only the first commit since the last checkpoint has news for the syncer.
          if (!was) d.wake.notify_one();
          return SQLITE_OK;
        },
        this);
    syncer = std::thread([this] { syncLoop(); });
  }

  // Checkpoints from a connection of its own, at most once a second, whenever the log has
  // grown: the painting thread never waits for the disk.
  void syncLoop() {
    sqlite3* own = nullptr;
    if (sqlite3_open_v2(file.c_str(), &own, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
      sqlite3_close_v2(own);
      return;
    }
    sqlite3_exec(own, "PRAGMA synchronous=NORMAL", nullptr, nullptr, nullptr);
    std::unique_lock lock(mutex);
    while (!stopping) {
      wake.wait(lock, [this] { return dirty || stopping; });
      if (stopping) break;
      dirty = false;
      lock.unlock();
      sqlite3_wal_checkpoint_v2(own, nullptr, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
      lock.lock();
      wake.wait_for(lock, std::chrono::seconds(1), [this] { return stopping; });
    }
    lock.unlock();
    sqlite3_close_v2(own);
  }

  void stopSyncer() {
    if (!syncer.joinable()) return;
    {
      std::lock_guard lock(mutex);
      stopping = true;
    }
    wake.notify_one();
    syncer.join();
  }
};

WheelBook::WheelBook() = default;

WheelBook::~WheelBook() {
  close();
}

bool WheelBook::isOpen() const {
  return db_ != nullptr;
}

void WheelBook::close() {
  if (db_ && confirmDue_) keepConfirmation();
  db_.reset();
  currentWheel_ = 0;
  confirmDue_ = false;
}

namespace {

// The outcome of one attempt to open a book file.
struct Attempt {
  int code = SQLITE_OK;
  bool newer = false;  // written by a newer program
};

int checkWhole(sqlite3* db) {
  sqlite3_stmt* s = nullptr;
  int rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &s, nullptr);
  if (rc != SQLITE_OK) return rc;
  rc = sqlite3_step(s);
  if (rc == SQLITE_ROW) rc = columnText(s, 0) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
  sqlite3_finalize(s);
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

int userVersion(sqlite3* db, int& version) {
  sqlite3_stmt* s = nullptr;
  int rc = sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr);
  if (rc != SQLITE_OK) return rc;
  rc = sqlite3_step(s);
  if (rc == SQLITE_ROW) version = sqlite3_column_int(s, 0), rc = SQLITE_OK;
  sqlite3_finalize(s);
  return rc;
}

}  // namespace

BookOpening WheelBook::open(const fs::path& file, std::string relative, int pockets,
                            std::int64_t now) {
  close();
  BookOpening opening;
  const auto attempt = [&]() -> Attempt {
    db_ = std::make_unique<Db>();
    Db& d = *db_;
    d.file = file;
    d.relative = relative;
    int rc =
        sqlite3_open_v2(file.c_str(), &d.db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) return {rc};
    sqlite3_extended_result_codes(d.db, 1);
    // The check comes before the log mode is set, which would write to a damaged file.
    if ((rc = checkWhole(d.db)) != SQLITE_OK) return {rc};
    // Checkpoints are the syncer's: a commit on the painting thread never waits for one.
    // A statement journal in memory grows by small pieces; the default takes and frees a
    // block of 64 KiB for each insert that fires a trigger, which costs a spin more than
    // the insert itself.
    for (const char* sql :
         {"PRAGMA foreign_keys=ON", "PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL",
          "PRAGMA wal_autocheckpoint=0", "PRAGMA temp_store=MEMORY"})
      if ((rc = d.exec(sql)) != SQLITE_OK) return {rc};
    int version = 0;
    if ((rc = userVersion(d.db, version)) != SQLITE_OK) return {rc};
    if (version > SchemaVersion) return {SQLITE_OK, true};
    for (int v = version; v < SchemaVersion; ++v) {
      rc = d.transaction([&] {
        int r = d.exec(Migrations[v]);
        if (r == SQLITE_OK) r = d.exec(("PRAGMA user_version=" + std::to_string(v + 1)).c_str());
        return r;
      });
      if (rc != SQLITE_OK) return {rc};
    }
    return {SQLITE_OK};
  };

  Attempt a = attempt();
  if (isDamage(a.code)) {
    db_.reset();
    // The damaged book keeps its log beside it; the shared-memory index is rebuilt from
    // the log by whoever opens it.
    for (int n = 1; n <= MaxSetAside; ++n) {
      const std::string suffix = ".damaged" + std::to_string(n);
      fs::path aside = file;
      aside += suffix;
      if (!IsMissing(aside)) continue;
      std::error_code ec;
      fs::rename(file, aside, ec);
      if (ec) break;
      fs::path wal = file, walAside = aside, shm = file;
      wal += "-wal";
      walAside += "-wal";
      shm += "-shm";
      fs::rename(wal, walAside, ec);
      fs::remove(shm, ec);
      opening.setAside = relative + suffix;
      a = attempt();
      break;
    }
  }
  if (a.code != SQLITE_OK || a.newer) {
    const int code = a.newer ? SQLITE_NOTADB : a.code;
    opening.result = db_ ? db_->fault(code) : FileResult{FileResult::Failed, relative};
    if (a.newer) opening.result.outcome = FileResult::Malformed;
    close();
    return opening;
  }

  // Empty sessions (their only spins undone) are of no use once their program has ended,
  // unless an undo cut short may yet put its spin back there (settleGame).
  Db& d = *db_;
  int rc = d.exec(
      "DELETE FROM sessions WHERE spin_count = 0 AND id IS NOT"
      " (SELECT undone_session FROM program WHERE undone_id IS NOT NULL)");
  if (rc == SQLITE_OK)
    rc = d.run(
        "SELECT coalesce((SELECT current_wheel FROM program), 0),"
        " coalesce((SELECT min(id) FROM wheels), 0)",
        [](sqlite3_stmt*) {},
        [&](sqlite3_stmt* s) {
          currentWheel_ = sqlite3_column_int64(s, 0);
          if (!currentWheel_) currentWheel_ = sqlite3_column_int64(s, 1);
        });
  if (rc == SQLITE_OK && !currentWheel_) {
    const auto first = addWheel(FirstWheelName, pockets, now);
    if (!first.result.done()) {
      opening.result = first.result;
      close();
      return opening;
    }
    currentWheel_ = first.value;
  }
  if (rc == SQLITE_OK) rc = chooseWheel(currentWheel_).done() ? SQLITE_OK : SQLITE_ERROR;
  if (rc != SQLITE_OK) {
    opening.result = d.fault(rc);
    close();
    return opening;
  }
  d.startSyncer();
  return opening;
}

FileResult WheelBook::chooseWheel(std::int64_t wheel) {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  const int rc = db_->run(
      "UPDATE program SET current_wheel = ?1 WHERE id = 1 AND"
      " EXISTS (SELECT 1 FROM wheels WHERE id = ?1)",
      [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, wheel); });
  if (rc != SQLITE_OK) return db_->fault(rc);
  if (sqlite3_changes(db_->db) == 0) return {FileResult::Missing, db_->relative};
  currentWheel_ = wheel;
  return {};
}

FileRead<std::int64_t> WheelBook::addWheel(const std::string& name, int pockets, std::int64_t now) {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  if (name.empty() || (pockets != 37 && pockets != 38))
    return {{FileResult::Malformed, db_->relative}};
  const std::string at = UtcStamp(now);
  const int rc = db_->run("INSERT INTO wheels(name, pockets, created_at) VALUES (?, ?, ?)",
                          [&](sqlite3_stmt* s) {
                            sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_TRANSIENT);
                            sqlite3_bind_int(s, 2, pockets);
                            sqlite3_bind_text(s, 3, at.c_str(), -1, SQLITE_TRANSIENT);
                          });
  if ((rc & 0xFF) == SQLITE_CONSTRAINT) return {{FileResult::Malformed, db_->relative}};
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, sqlite3_last_insert_rowid(db_->db)};
}

FileResult WheelBook::renameWheel(std::int64_t wheel, const std::string& name) {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  if (name.empty()) return {FileResult::Malformed, db_->relative};
  const int rc = db_->run("UPDATE wheels SET name = ? WHERE id = ?", [&](sqlite3_stmt* s) {
    sqlite3_bind_text(s, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int64(s, 2, wheel);
  });
  if ((rc & 0xFF) == SQLITE_CONSTRAINT) return {FileResult::Malformed, db_->relative};
  if (rc != SQLITE_OK) return db_->fault(rc);
  return {};
}

FileRead<std::vector<BookWheel>> WheelBook::wheels() {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  std::vector<BookWheel> list;
  const int rc = db_->run(
      "SELECT w.id, w.name, w.pockets, w.note, w.created_at, coalesce(sum(s.spin_count), 0),"
      " coalesce(min(CASE WHEN s.spin_count > 0 THEN s.started_at END), ''),"
      " coalesce(max(CASE WHEN s.spin_count > 0 THEN s.last_at END), '')"
      " FROM wheels w LEFT JOIN sessions s ON s.wheel_id = w.id GROUP BY w.id ORDER BY w.id",
      [](sqlite3_stmt*) {},
      [&](sqlite3_stmt* s) {
        list.push_back({sqlite3_column_int64(s, 0), columnText(s, 1), sqlite3_column_int(s, 2),
                        columnText(s, 3), columnText(s, 4),
                        static_cast<long>(sqlite3_column_int64(s, 5)), columnText(s, 6),
                        columnText(s, 7)});
      });
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, std::move(list)};
}

FileRead<std::vector<BookSession>> WheelBook::sessions(std::int64_t wheel) {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  std::vector<BookSession> list;
  const int rc = db_->run(
      "SELECT id, started_at, last_at, spin_count FROM sessions"
      " WHERE wheel_id = ? AND spin_count > 0 ORDER BY id",
      [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, wheel); },
      [&](sqlite3_stmt* s) {
        list.push_back({sqlite3_column_int64(s, 0), columnText(s, 1), columnText(s, 2),
                        static_cast<long>(sqlite3_column_int64(s, 3))});
      });
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, std::move(list)};
}

FileResult WheelBook::deleteSession(std::int64_t session) {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  // Its spins go with it (ON DELETE CASCADE).
  const int rc = db_->run("DELETE FROM sessions WHERE id = ?",
                          [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, session); });
  if (rc != SQLITE_OK) return db_->fault(rc);
  return {};
}

FileRead<std::int64_t> WheelBook::startSession(std::int64_t wheel, std::int64_t now) {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  const std::string at = UtcStamp(now);
  const int rc =
      db_->run("INSERT INTO sessions(wheel_id, started_at) VALUES (?, ?)", [&](sqlite3_stmt* s) {
        sqlite3_bind_int64(s, 1, wheel);
        sqlite3_bind_text(s, 2, at.c_str(), -1, SQLITE_TRANSIENT);
      });
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, sqlite3_last_insert_rowid(db_->db)};
}

FileRead<std::int64_t> WheelBook::appendSpin(std::int64_t session, int index, std::int64_t now,
                                             SpinOrigin origin) {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  Db& d = *db_;
  const std::string at = UtcStamp(now), number = NumberText(index);
  std::int64_t id = 0;
  const int rc = d.transaction([&] {
    int r = d.run("INSERT INTO spins(session_id, number, recorded_at, source) VALUES (?,?,?,?)",
                  [&](sqlite3_stmt* s) {
                    sqlite3_bind_int64(s, 1, session);
                    sqlite3_bind_text(s, 2, number.c_str(), -1, SQLITE_TRANSIENT);
                    sqlite3_bind_text(s, 3, at.c_str(), -1, SQLITE_TRANSIENT);
                    sqlite3_bind_text(s, 4, originText(origin), -1, SQLITE_STATIC);
                  });
    if (r != SQLITE_OK) return r;
    id = sqlite3_last_insert_rowid(d.db);
    // A confirmation still due is kept with this change: this spin is the first pending.
    return d.run(
        "UPDATE program SET game_spins = game_spins + 1,"
        " pending_from = CASE WHEN ?2 THEN ?1 ELSE coalesce(pending_from, ?1) END,"
        " undone_id = CASE WHEN ?2 THEN NULL ELSE undone_id END WHERE id = 1",
        [&](sqlite3_stmt* s) {
          sqlite3_bind_int64(s, 1, id);
          sqlite3_bind_int(s, 2, confirmDue_);
        });
  });
  if (rc != SQLITE_OK) return {d.fault(rc)};
  confirmDue_ = false;
  return {{}, id};
}

FileResult WheelBook::undoSpin(std::int64_t spin) {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  Db& d = *db_;
  // The spin is kept in the program row until the recovery files hold the undo, so that a
  // kill before then can put it back.
  const int rc = d.transaction([&] {
    int r = d.run(
        "UPDATE program SET game_spins = game_spins - 1, undone_id = sp.id,"
        " undone_session = sp.session_id, undone_number = sp.number,"
        " undone_at = sp.recorded_at, undone_source = sp.source,"
        " pending_from = CASE WHEN ?2 THEN NULL ELSE pending_from END"
        " FROM (SELECT * FROM spins WHERE id = ?1) AS sp WHERE program.id = 1",
        [&](sqlite3_stmt* s) {
          sqlite3_bind_int64(s, 1, spin);
          sqlite3_bind_int(s, 2, confirmDue_);
        });
    if (r != SQLITE_OK) return r;
    return d.run("DELETE FROM spins WHERE id = ?",
                 [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, spin); });
  });
  if (rc != SQLITE_OK) return d.fault(rc);
  confirmDue_ = false;
  return {};
}

FileRead<std::int64_t> WheelBook::newestSpin() {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  std::int64_t id = 0;
  const int rc = db_->run(
      "SELECT coalesce(max(id), 0) FROM spins", [](sqlite3_stmt*) {},
      [&](sqlite3_stmt* s) { id = sqlite3_column_int64(s, 0); });
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, id};
}

FileResult WheelBook::confirmGame() {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  confirmDue_ = true;
  return {};
}

FileResult WheelBook::keepConfirmation() {
  const int rc = db_->run(
      "UPDATE program SET pending_from = NULL, undone_id = NULL WHERE id = 1 AND"
      " (pending_from IS NOT NULL OR undone_id IS NOT NULL)",
      [](sqlite3_stmt*) {});
  if (rc != SQLITE_OK) return db_->fault(rc);
  confirmDue_ = false;
  return {};
}

FileResult WheelBook::setGame(long spins) {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  const int rc = db_->run(
      "UPDATE program SET game_spins = ?, pending_from = NULL, undone_id = NULL WHERE id = 1",
      [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, spins); });
  if (rc != SQLITE_OK) return db_->fault(rc);
  return {};
}

FileResult WheelBook::settleGame(long spins) {
  if (!db_) return {FileResult::Failed, WheelBookFile};
  Db& d = *db_;
  const int rc = d.transaction([&] {
    // An undo cut short: the game that comes back still has the spin.
    int r = d.run(
        "INSERT INTO spins(id, session_id, number, recorded_at, source)"
        " SELECT undone_id, undone_session, undone_number, undone_at, undone_source FROM program"
        " WHERE id = 1 AND undone_id IS NOT NULL AND game_spins + 1 = ?"
        " AND EXISTS (SELECT 1 FROM sessions WHERE id = undone_session)",
        [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, spins); });
    // Spins whose event was cut short: the game that comes back has none of them.
    if (r == SQLITE_OK)
      r = d.run(
          "DELETE FROM spins WHERE id >= (SELECT pending_from FROM program WHERE id = 1) AND"
          " (SELECT game_spins FROM program WHERE id = 1) - (SELECT count(*) FROM spins WHERE"
          " id >= (SELECT pending_from FROM program WHERE id = 1)) = ?",
          [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, spins); });
    if (r == SQLITE_OK)
      r = d.run(
          "UPDATE program SET game_spins = ?, pending_from = NULL, undone_id = NULL WHERE id = 1",
          [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, spins); });
    return r;
  });
  if (rc != SQLITE_OK) return d.fault(rc);
  return {};
}

FileRead<std::vector<signed char>> WheelBook::wheelSpins(std::int64_t wheel) {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  std::vector<signed char> spins;
  const int rc = db_->run(
      // The index by session holds each spin's id and number: the spins of a wheel come
      // from it in the order they were recorded, without the table.
      "SELECT sp.number FROM sessions se JOIN spins sp ON sp.session_id = se.id"
      " WHERE se.wheel_id = ? ORDER BY se.id, sp.id",
      [&](sqlite3_stmt* s) { sqlite3_bind_int64(s, 1, wheel); },
      [&](sqlite3_stmt* s) {
        const int i = indexOfStored(sqlite3_column_text(s, 0));
        if (i >= 0) spins.push_back(static_cast<signed char>(i));
      });
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, std::move(spins)};
}

FileRead<std::vector<BookSpinRow>> WheelBook::spinRows(std::int64_t wheel, std::int64_t session) {
  if (!db_) return {{FileResult::Failed, WheelBookFile}};
  std::vector<BookSpinRow> rows;
  const int rc = db_->run(
      "SELECT w.name, se.id, sp.number, sp.recorded_at FROM wheels w"
      " JOIN sessions se ON se.wheel_id = w.id JOIN spins sp ON sp.session_id = se.id"
      " WHERE w.id = ?1 AND (?2 = 0 OR se.id = ?2) ORDER BY se.id, sp.id",
      [&](sqlite3_stmt* s) {
        sqlite3_bind_int64(s, 1, wheel);
        sqlite3_bind_int64(s, 2, session);
      },
      [&](sqlite3_stmt* s) {
        const int i = indexOfStored(sqlite3_column_text(s, 2));
        if (i >= 0)
          rows.push_back({columnText(s, 0), sqlite3_column_int64(s, 1), i, columnText(s, 3)});
      });
  if (rc != SQLITE_OK) return {db_->fault(rc)};
  return {{}, std::move(rows)};
}
