#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/colour.h"

class App;
class Form;

enum class Kind { Label, TextBox, PictureBox, CommandButton, CheckBox, MenuItem, Frame, Timer };

// Click, tick and check-box handlers get the control's index (0 for a single control).
using Handler = std::function<void(App&, int index)>;

// A named control of a window record. Every write that changes a property bumps the
// control's and its window's change counters, so a front end redraws only what changed.
class Control {
 public:
  explicit Control(Kind kind) : kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  Kind kind() const { return kind_; }
  bool visible() const { return visible_; }
  void setVisible(bool v) { assign(visible_, v); }

  std::uint64_t version() const { return version_; }
  Form* owner() const { return owner_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }
  bool isArrayItem() const { return arrayItem_; }
  // "Count_P(6)" or "Expect": how both front ends address the control.
  std::string address() const;

  // Run only through the dispatch (windows/dispatch.h).
  Handler onClick;

 protected:
  template <class T>
  void assign(T& field, const T& value) {
    if (field == value) return;
    field = value;
    touch();
  }
  void touch();

 private:
  friend class Form;

  Kind kind_;
  bool visible_ = true;
  std::uint64_t version_ = 0;
  Form* owner_ = nullptr;
  std::string name_;
  int index_ = 0;
  bool arrayItem_ = false;
};

class Label : public Control {
 public:
  Label() : Control(Kind::Label) {}
  const std::string& caption() const { return caption_; }
  Colour back() const { return back_; }
  Colour fore() const { return fore_; }
  void setCaption(const std::string& c) { assign(caption_, c); }
  void setBack(Colour c) { assign(back_, c); }
  void setFore(Colour c) { assign(fore_, c); }

 private:
  std::string caption_;
  Colour back_ = ButtonFace;
  Colour fore_ = ButtonText;
};

class TextBox : public Control {
 public:
  TextBox() : Control(Kind::TextBox) {}
  const std::string& text() const { return text_; }
  Colour back() const { return back_; }
  Colour fore() const { return fore_; }
  void setText(const std::string& t) { assign(text_, t); }
  void setBack(Colour c) { assign(back_, c); }
  void setFore(Colour c) { assign(fore_, c); }

 private:
  std::string text_;
  Colour back_ = White;
  Colour fore_ = Colour::rgb(0x000000);
};

// A coloured light or a lamp; lit = it shows the lamp picture.
class PictureBox : public Control {
 public:
  PictureBox() : Control(Kind::PictureBox) {}
  Colour back() const { return back_; }
  bool lit() const { return lit_; }
  void setBack(Colour c) { assign(back_, c); }
  void setLit(bool l) { assign(lit_, l); }

 private:
  Colour back_ = ButtonFace;
  bool lit_ = false;
};

class CommandButton : public Control {
 public:
  CommandButton() : Control(Kind::CommandButton) {}
  const std::string& caption() const { return caption_; }
  Colour back() const { return back_; }
  void setCaption(const std::string& c) { assign(caption_, c); }
  void setBack(Colour c) { assign(back_, c); }

 private:
  std::string caption_;
  Colour back_ = ButtonFace;
};

class CheckBox : public Control {
 public:
  CheckBox() : Control(Kind::CheckBox) {}
  const std::string& caption() const { return caption_; }
  int value() const { return value_; }
  void setCaption(const std::string& c) { assign(caption_, c); }
  // Setting a different value runs the click handler, as a user's click would.
  void setValue(App& app, int v);
  // The value the window is designed with, before any handler is bound.
  void setDesignValue(int v) { value_ = v; }

 private:
  std::string caption_;
  int value_ = 0;
};

class MenuItem : public Control {
 public:
  MenuItem() : Control(Kind::MenuItem) {}
  const std::string& caption() const { return caption_; }
  bool checked() const { return checked_; }
  void setCaption(const std::string& c) { assign(caption_, c); }
  void setChecked(bool c) { assign(checked_, c); }

 private:
  std::string caption_;
  bool checked_ = false;
};

class Frame : public Control {
 public:
  Frame() : Control(Kind::Frame) {}
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c) { assign(caption_, c); }

 private:
  std::string caption_;
};

// Ticks run onClick's handler while enabled with a nonzero interval.
class Timer : public Control {
 public:
  Timer() : Control(Kind::Timer) {}
  bool enabled() const { return enabled_; }
  int interval() const { return interval_; }
  void setEnabled(bool e) { assign(enabled_, e); }
  void setInterval(int ms) { assign(interval_, ms); }

 private:
  bool enabled_ = false;
  int interval_ = 0;
};
