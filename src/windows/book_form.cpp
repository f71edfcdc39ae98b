#include "windows/book_form.h"

#include "windows/forms.h"

BookForm::BookForm() : Form(FormId::Book_F, "ホイール帳") {
  Wheel_Frame.setCaption("ホイール (スピン数、最初と最後のスピン UTC)");
  Wheel_Up.setCaption("▲");
  Wheel_Down.setCaption("▼");
  Use_Wheel.setCaption("このホイールを使う");
  New_Wheel.setCaption("新しいホイール");
  Rename_Wheel.setCaption("名前を変える");
  Export_Wheel.setCaption("ホイールをCSVに…");
  Session_Frame.setCaption("セッション");
  Session_Up.setCaption("▲");
  Session_Down.setCaption("▼");
  Delete_Session.setCaption("セッションを削除");
  Export_Session.setCaption("セッションをCSVに…");
  Close.setCaption("閉じる");

  add("Wheel_Frame", Wheel_Frame);
  add("Wheel", Wheel);
  add("Wheel_Spins", Wheel_Spins);
  add("Wheel_First", Wheel_First);
  add("Wheel_Last", Wheel_Last);
  add("Wheel_Up", Wheel_Up);
  add("Wheel_Down", Wheel_Down);
  add("Current", Current);
  add("Use_Wheel", Use_Wheel);
  add("Wheel_Name", Wheel_Name);
  add("New_Wheel", New_Wheel);
  add("Rename_Wheel", Rename_Wheel);
  add("Export_Wheel", Export_Wheel);
  add("Session_Frame", Session_Frame);
  add("Session", Session);
  add("Session_Spins", Session_Spins);
  add("Session_Last", Session_Last);
  add("Session_Up", Session_Up);
  add("Session_Down", Session_Down);
  add("Delete_Session", Delete_Session);
  add("Export_Session", Export_Session);
  add("Close", Close);
}
