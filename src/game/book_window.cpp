#include "game/book_window.h"

#include <algorithm>

#include "core/numeric.h"
#include "game/book_record.h"
#include "stats/statistics_window.h"
#include "store/file_group.h"
#include "store/spin_file.h"
#include "windows/app.h"
#include "windows/message.h"

namespace {

const Colour PickedRow = Colour::rgb(0xC0DCFF);

// "2026-12-08T14:03:05Z" as "2026-12-08 14:03:05"; empty stays empty.
std::string shownTime(std::string iso) {
  if (iso.size() == 20) {
    iso[10] = ' ';
    iso.pop_back();
  }
  return iso;
}

std::string wheelCaption(const BookWheel& w) {
  return w.name + (w.pockets == 38 ? " (0/00)" : " (0)");
}

const BookWheel* pickedWheel(BookState& b) {
  for (const BookWheel& w : b.wheelList)
    if (w.id == b.pickedWheel) return &w;
  return nullptr;
}

const BookSession* pickedSession(BookState& b) {
  for (const BookSession& s : b.sessionList)
    if (s.id == b.pickedSession) return &s;
  return nullptr;
}

// A page of rows from `top`, kept within the list.
int clampTop(int top, std::size_t count, int rows) {
  return std::max(0, std::min(top, static_cast<int>(count) - rows));
}

// Reads the lists again and draws the window.
void showBook(App& app) {
  BookForm* f = app.forms.book.record();
  if (!f) return;
  BookState& b = BookOf(app);
  b.wheelList = b.book.wheels().value;
  if (!pickedWheel(b)) b.pickedWheel = b.book.currentWheel();
  b.sessionList = b.book.sessions(b.pickedWheel).value;
  if (!pickedSession(b)) b.pickedSession = 0;
  b.wheelTop = clampTop(b.wheelTop, b.wheelList.size(), BookForm::WheelRows);
  b.sessionTop = clampTop(b.sessionTop, b.sessionList.size(), BookForm::SessionRows);

  for (int r = 1; r <= BookForm::WheelRows; ++r) {
    const auto k = static_cast<std::size_t>(b.wheelTop + r - 1);
    const BookWheel* w = k < b.wheelList.size() ? &b.wheelList[k] : nullptr;
    f->Wheel(r).setCaption(w ? wheelCaption(*w) : "");
    f->Wheel(r).setBack(w && w->id == b.pickedWheel ? PickedRow : White);
    f->Wheel_Spins(r).setText(w ? std::to_string(w->spins) : "");
    f->Wheel_First(r).setText(w ? shownTime(w->firstAt) : "");
    f->Wheel_Last(r).setText(w ? shownTime(w->lastAt) : "");
  }
  for (int r = 1; r <= BookForm::SessionRows; ++r) {
    const auto k = static_cast<std::size_t>(b.sessionTop + r - 1);
    const BookSession* s = k < b.sessionList.size() ? &b.sessionList[k] : nullptr;
    f->Session(r).setCaption(s ? "#" + std::to_string(s->id) + "  " + shownTime(s->startedAt) : "");
    f->Session(r).setBack(s && s->id == b.pickedSession ? PickedRow : White);
    f->Session_Spins(r).setText(s ? std::to_string(s->spins) : "");
    f->Session_Last(r).setText(s ? shownTime(s->lastAt) : "");
  }
  std::string current;
  for (const BookWheel& w : b.wheelList)
    if (w.id == b.book.currentWheel()) current = w.name;
  f->Current.setCaption("使用中: " + current);
}

void page(App& app, int& top, int step) {
  top += step;
  showBook(app);
}

// Writes spins of the book to a CSV the player chooses.
void exportRows(App& app, std::int64_t session, const std::string& suggested) {
  BookState& b = BookOf(app);
  const auto rows = b.book.spinRows(b.pickedWheel, session);
  if (!TellBookFault(app, rows.result)) return;
  if (rows.value.empty()) {
    MsgBox(app, "エクスポートするスピンがありません。", BoxIcon::Info);
    return;
  }
  const auto path =
      app.services.files->chooseFile(FileDialogKind::Save, "ホイール帳のエクスポート", suggested);
  if (!path) return;
  ReportWrite(app, ReplaceFiles(*app.disk, {{*path, BookCsvBytes(rows.value)}}, false));
}

// The name typed for a wheel, without blanks around it; empty after telling the player.
std::string typedName(App& app) {
  std::string name = Book_F(app).Wheel_Name.text();
  const auto first = name.find_first_not_of(" \t　");
  name = first == std::string::npos ? "" : name.substr(first);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
  if (name.empty()) MsgBox(app, "ホイールの名前を入力してください。", BoxIcon::Info);
  return name;
}

// A name already taken comes back Malformed.
bool tellNameTaken(App& app, const FileResult& r) {
  if (r.outcome != FileResult::Malformed) return TellBookFault(app, r);
  MsgBox(app, "その名前のホイールはすでにあります。", BoxIcon::Info);
  return false;
}

}  // namespace

void ShowWheelInTitle(App& app) {
  BookState& b = BookOf(app);
  std::string title = MainTitle;
  for (const BookWheel& w : b.book.wheels().value)
    if (w.id == b.book.currentWheel()) title += " — " + w.name;
  Main_F(app).setCaption(title);
}

void Book_Click(App& app, int) {
  if (!BookOf(app).book.isOpen()) {
    MsgBox(app, JoinLines({"ホイール帳を使えません。", WheelBookFile}), BoxIcon::Stop);
    return;
  }
  Book_F(app).setVisible(true);
  showBook(app);
}

void Book_F_Load(App& app) {
  BookState& b = BookOf(app);
  b.pickedWheel = b.book.currentWheel();
  b.pickedSession = 0;
  b.wheelTop = b.sessionTop = 0;
}

void Wheel_Click(App& app, int row) {
  BookState& b = BookOf(app);
  const auto k = static_cast<std::size_t>(b.wheelTop + row - 1);
  if (k >= b.wheelList.size()) return;
  if (b.pickedWheel != b.wheelList[k].id) b.pickedSession = 0, b.sessionTop = 0;
  b.pickedWheel = b.wheelList[k].id;
  Book_F(app).Wheel_Name.setText(b.wheelList[k].name);
  showBook(app);
}

void Wheel_Up_Click(App& app, int) {
  page(app, BookOf(app).wheelTop, -BookForm::WheelRows);
}

void Wheel_Down_Click(App& app, int) {
  page(app, BookOf(app).wheelTop, BookForm::WheelRows);
}

void Use_Wheel_Click(App& app, int) {
  BookState& b = BookOf(app);
  if (!TellBookFault(app, ChooseBookWheel(app, b.pickedWheel))) return;
  ShowWheelInTitle(app);
  showBook(app);
  ShowStatistics(app);
}

void New_Wheel_Click(App& app, int) {
  const std::string name = typedName(app);
  if (name.empty()) return;
  BookState& b = BookOf(app);
  const auto added = b.book.addWheel(name, app.vars.PocketCount, app.services.clock->utcSeconds());
  if (!tellNameTaken(app, added.result)) return;
  b.pickedWheel = added.value;
  b.pickedSession = 0;
  b.wheelTop = static_cast<int>(b.wheelList.size());
  showBook(app);
}

void Rename_Wheel_Click(App& app, int) {
  const std::string name = typedName(app);
  if (name.empty()) return;
  BookState& b = BookOf(app);
  if (!tellNameTaken(app, b.book.renameWheel(b.pickedWheel, name))) return;
  ShowWheelInTitle(app);
  showBook(app);
}

void Export_Wheel_Click(App& app, int) {
  const BookWheel* w = pickedWheel(BookOf(app));
  exportRows(app, 0, "wheel-" + (w ? w->name : std::string()) + ".csv");
}

void Session_Click(App& app, int row) {
  BookState& b = BookOf(app);
  const auto k = static_cast<std::size_t>(b.sessionTop + row - 1);
  if (k >= b.sessionList.size()) return;
  b.pickedSession = b.sessionList[k].id;
  showBook(app);
}

void Session_Up_Click(App& app, int) {
  page(app, BookOf(app).sessionTop, -BookForm::SessionRows);
}

void Session_Down_Click(App& app, int) {
  page(app, BookOf(app).sessionTop, BookForm::SessionRows);
}

void Delete_Session_Click(App& app, int) {
  BookState& b = BookOf(app);
  const BookSession* s = pickedSession(b);
  if (!s) {
    MsgBox(app, "セッションを選んでください。", BoxIcon::Info);
    return;
  }
  const std::int64_t id = s->id;
  if (!AskBeforeDiscarding(app, "セッション #" + std::to_string(id) + " (" +
                                    std::to_string(s->spins) +
                                    " スピン) をホイール帳から削除しますか?"))
    return;
  if (!TellBookFault(app, b.book.deleteSession(id))) return;
  // The game's spins stay in the game; later ones start a session of their own.
  if (b.session == id) b.session = 0, b.lastSpin = 0;
  b.pickedSession = 0;
  ForgetWheelSpins(app);
  showBook(app);
  ShowStatistics(app);
}

void Export_Session_Click(App& app, int) {
  BookState& b = BookOf(app);
  if (!pickedSession(b)) {
    MsgBox(app, "セッションを選んでください。", BoxIcon::Info);
    return;
  }
  exportRows(app, b.pickedSession, "session-" + std::to_string(b.pickedSession) + ".csv");
}

void Book_Close_Click(App& app, int) {
  app.forms.book.unload(app);
}
