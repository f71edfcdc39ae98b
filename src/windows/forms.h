#pragma once

#include <cstdint>
#include <memory>

#include "windows/key_press.h"

// The record of every window of the table below.
#include "windows/area_form.h"
#include "windows/black_or_red_form.h"
#include "windows/book_form.h"
#include "windows/log_form.h"
#include "windows/main_form.h"
#include "windows/point_form.h"
#include "windows/save_load_form.h"
#include "windows/statistics_form.h"
#include "windows/total_form.h"
#include "windows/version_form.h"

// The window table: every window of the program, once. A line gives the window's registry
// name (which is also its FormId and its accessor, `Main_F(app)`), its record class and the
// member of Forms that holds it; the ids, names, hosts, accessors and every switch over the
// windows are made from it. A new window takes three places: its line and its record's
// #include here, its view in gui/views.cpp and its handlers in game/window_handlers.cpp
// (the compiler asks for the last two).
// clang-format off
#define VARNET_WINDOWS(X)                        \
  X(Main_F,         MainForm,       main)        \
  X(Area_F,         AreaForm,       area)        \
  X(Point_F,        PointForm,      point)       \
  X(Black_or_Red_F, BlackOrRedForm, blackOrRed)  \
  X(Total_F,        TotalForm,      total)       \
  X(Log_F,          LogForm,        log)         \
  X(Save_Load_F,    SaveLoadForm,   saveLoad)    \
  X(Version_F,      VersionForm,    version)     \
  X(Stats_F,        StatisticsForm, stats)       \
  X(Book_F,         BookForm,       book)
// clang-format on

#define VARNET_FORM_ID(name, Record, member) name,
enum class FormId : int { VARNET_WINDOWS(VARNET_FORM_ID) };
#undef VARNET_FORM_ID

#define VARNET_COUNT_ONE(name, Record, member) +1
inline constexpr int FormCount = 0 VARNET_WINDOWS(VARNET_COUNT_ONE);
#undef VARNET_COUNT_ONE

class App;

// Who asks a window to close: its own close box, or the system (shutdown).
enum class CloseMode { User, System };

// Holds one window: created with its design values on first use, destroyed by unload.
class FormHostBase {
 public:
  explicit FormHostBase(FormId id) : id_(id) {}
  FormHostBase(const FormHostBase&) = delete;
  FormHostBase& operator=(const FormHostBase&) = delete;
  virtual ~FormHostBase() = default;

  FormId id() const { return id_; }
  virtual Form* record() const = 0;
  bool loaded() const { return record() != nullptr; }
  // Bumped by every load and unload: a front end rebuilds its view when it changes.
  std::uint64_t generation() const { return generation_; }

  // Creates the record if needed; the window counts as loaded before its load handler runs.
  Form& load(App& app);
  // Runs the unload handler, then discards the record. Nothing happens when not loaded.
  void unload(App& app);

  // The window's handlers, given before the program starts (game/window_handlers.h).
  void (*onLoad)(App&) = nullptr;
  // Returns true to cancel the close.
  bool (*onQueryUnload)(App&, CloseMode) = nullptr;
  void (*onUnload)(App&) = nullptr;
  // A key pressed on the window; returns false for a key it has no use for.
  bool (*onKeyPress)(App&, const KeyPress&) = nullptr;
  // Esc asks the window to close, as its close box does.
  bool closesOnEsc = false;

 protected:
  virtual void create() = 0;
  virtual void destroy() = 0;

 private:
  FormId id_;
  std::uint64_t generation_ = 0;
};

template <class F>
class FormHost : public FormHostBase {
 public:
  using FormHostBase::FormHostBase;
  F* record() const override { return record_.get(); }
  F& get(App& app) { return static_cast<F&>(load(app)); }

  // Binds the controls of every new record to their handlers; the record itself binds none.
  void (*bindControls)(F&) = nullptr;

 protected:
  void create() override {
    record_ = std::make_unique<F>();
    if (bindControls) bindControls(*record_);
  }
  void destroy() override { record_.reset(); }

 private:
  std::unique_ptr<F> record_;
};

// The host of every window of the table, under its member name (`forms.point`).
struct Forms {
  FormHostBase& host(FormId id);

#define VARNET_FORM_HOST(name, Record, member) FormHost<Record> member{FormId::name};
  VARNET_WINDOWS(VARNET_FORM_HOST)
#undef VARNET_FORM_HOST
};

// One accessor per window, named as the window (`MainForm& Main_F(App&)`). Using a window
// loads it first when it is not loaded, as every caller expects.
#define VARNET_FORM_ACCESSOR(name, Record, member) Record& name(App& app);
VARNET_WINDOWS(VARNET_FORM_ACCESSOR)
#undef VARNET_FORM_ACCESSOR
