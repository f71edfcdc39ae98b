#include "game/book_record.h"

#include "core/number_index.h"
#include "core/numeric.h"
#include "game/book_window.h"
#include "stats/wheel_tally.h"
#include "store/data_file.h"
#include "windows/app.h"
#include "windows/message.h"

BookState& BookOf(App& app) {
  return app.book.get();
}

bool TellBookFault(App& app, const FileResult& r) {
  if (r.done()) return true;
  BookState& b = BookOf(app);
  if (!b.told)
    MsgBox(
        app,
        JoinLines({"ホイール帳に記録できませんでした。", r.path, "ゲームはこのまま続けられます。"}),
        BoxIcon::Stop);
  b.told = true;
  return false;
}

void OpenWheelBook(App& app) {
  BookState& b = BookOf(app);
  const BookOpening o = b.book.open(DataPath(app, WheelBookFile), WheelBookFile,
                                    app.vars.PocketCount, app.services.clock->utcSeconds());
  if (!o.setAside.empty())
    MsgBox(app,
           JoinLines({"ホイール帳が壊れていたため、次の名前で残しました。", o.setAside,
                      "新しいホイール帳を始めます。"}),
           BoxIcon::Info);
  if (TellBookFault(app, o.result)) ShowWheelInTitle(app);
}

void SettleWheelBook(App& app, long spins) {
  BookState& b = BookOf(app);
  if (!b.book.isOpen()) return;
  TellBookFault(app, b.book.settleGame(spins));
}

void RecordInBook(App& app, int index, SpinSource source) {
  BookState& b = BookOf(app);
  b.lastSpin = 0;
  if (!b.book.isOpen()) return;
  const std::int64_t now = app.services.clock->utcSeconds();
  if (b.session == 0 || now - b.lastSpinAt >= SessionGap) {
    const auto session = b.book.startSession(b.book.currentWheel(), now);
    if (!TellBookFault(app, session.result)) return;
    b.session = session.value;
  }
  const auto spin = b.book.appendSpin(
      b.session, index, now, source == SpinSource::Click ? SpinOrigin::Entry : SpinOrigin::Import);
  if (!TellBookFault(app, spin.result)) return;
  b.lastSpin = spin.value;
  b.lastSpinAt = now;
  if (b.wheelSpins) b.wheelSpins->push_back(static_cast<signed char>(index));
}

void TakeBackFromBook(App& app) {
  BookState& b = BookOf(app);
  if (!b.lastSpin || !b.book.isOpen()) return;
  if (!TellBookFault(app, b.book.undoSpin(b.lastSpin))) return;
  b.lastSpin = 0;
  if (b.wheelSpins && !b.wheelSpins->empty()) b.wheelSpins->pop_back();
}

void NewGameInBook(App& app) {
  BookState& b = BookOf(app);
  b.session = 0;
  b.lastSpin = 0;
  if (!b.book.isOpen() || !TellBookFault(app, b.book.setGame(CInt(Val(Main_F(app).Total.text())))))
    return;
  // A restored game can still take back its last spin, which the book holds as its newest.
  if (app.vars.LastIndex != 100) {
    const auto newest = b.book.newestSpin();
    if (TellBookFault(app, newest.result)) b.lastSpin = newest.value;
  }
}

void ConfirmBook(App& app) {
  BookState& b = BookOf(app);
  if (b.book.isOpen()) TellBookFault(app, b.book.confirmGame());
}

FileResult ChooseBookWheel(App& app, std::int64_t wheel) {
  BookState& b = BookOf(app);
  if (wheel == b.book.currentWheel()) return {};
  const FileResult r = b.book.chooseWheel(wheel);
  if (r.done()) {
    b.session = 0;
    b.wheelSpins.reset();
  }
  return r;
}

void ForgetWheelSpins(App& app) {
  BookOf(app).wheelSpins.reset();
}

WheelTally WheelBookTally(App& app) {
  BookState& b = BookOf(app);
  WheelTally t;
  if (!b.book.isOpen()) return t;
  if (!b.wheelSpins) {
    auto spins = b.book.wheelSpins(b.book.currentWheel());
    if (!TellBookFault(app, spins.result)) return t;
    b.wheelSpins = std::move(spins.value);
    b.wheelPockets = 38;
    for (const BookWheel& w : b.book.wheels().value)
      if (w.id == b.book.currentWheel()) b.wheelPockets = w.pockets;
  }
  const std::vector<signed char>& spins = *b.wheelSpins;
  for (signed char i : spins) ++t.counts[static_cast<std::size_t>(i)];
  for (std::size_t k = 0; k < spins.size() / 2; ++k)
    ++t.earlier[static_cast<std::size_t>(spins[k])];
  t.pockets = b.wheelPockets;
  if (t.pockets == 37) {
    t.strayDoubleZero = t.counts[DoubleZeroIndex];
    if (t.strayDoubleZero > 0) t.pockets = 38;
  }
  return t;
}
