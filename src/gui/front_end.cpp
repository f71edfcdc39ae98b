#include "gui/front_end.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>

#include "game/recovery.h"
#include "game/startup.h"
#include "gui/screen_fit.h"
#include "gui/stacking.h"
#include "store/data_file.h"
#include "windows/message.h"

namespace {

// Window places are written this long after the last move.
constexpr int SavePlacesDelay = 1000;  // milliseconds
// How long and how often to wait for the window manager to frame a window just shown.
constexpr int FramingWait = 100;  // milliseconds
constexpr int FramingTries = 20;

const char* const LayoutFile = "Data/Files/LAYOUT.INI";

QSize firstFrame(const QWidget& window) {
  const QSize size = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
  return size + FrameAllowance(&window);
}

}  // namespace

FrontEnd::FrontEnd(const std::filesystem::path& folder)
    : FrontEnd(ProgramFolders{folder, folder}) {}

FrontEnd::FrontEnd(const ProgramFolders& folders)
    : services_(folders.assets),
      app_(std::make_unique<App>(folders.data, services_.services())),
      places_(*app_) {
  services_.beforeModal = [this] { refresh(); };
  services_.mainWindow = [this]() -> QWidget* {
    const FormView* main = view(FormId::Main_F);
    return main ? main->window() : nullptr;
  };
  qApp->installEventFilter(&keys_);
  savePlaces_.setSingleShot(true);
  savePlaces_.setInterval(SavePlacesDelay);
  QObject::connect(&savePlaces_, &QTimer::timeout, this, [this] {
    places_.save();
    saveLayout();
  });
#ifndef QT_NO_SESSIONMANAGER
  QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
                   [this](QSessionManager&) { sessionEnding(); });
#endif
  QObject::connect(&play_, &QTimer::timeout, this, [this] {
    if (MainForm* m = app_->forms.main.record())
      send({EventKind::Tick, FormId::Main_F, &m->Play, {}});
  });
}

FrontEnd::~FrontEnd() {
  saveLayout();
  for (int i = 0; i < FormCount; ++i)
    if (const FormView* view = views_[static_cast<std::size_t>(i)].get())
      rememberPlace(static_cast<FormId>(i), *view);
  places_.save();
}

void FrontEnd::rememberPlace(FormId id, const FormView& view) {
  // A panel's place is in the arrangement of the panels.
  if (!view.dock()) places_.remember(id, *view.window());
}

bool FrontEnd::start() {
  if (const std::string refusal = StartProgram(*app_); !refusal.empty()) {
    // The program that runs on the folder comes to the front instead; only when it cannot
    // be reached does this start say why it ends.
    if (refusal != AlreadyRunningMessage || !FrontDoor::knock(app_->folder))
      MsgBox(*app_, refusal, refusal == AlreadyRunningMessage ? BoxIcon::Info : BoxIcon::Stop);
    return false;
  }
  door_.open(app_->folder, [this] { comeForward(); });
  refresh();
  return true;
}

void FrontEnd::comeForward() {
  const FormView* main = view(FormId::Main_F);
  if (!main) return;
  QWidget* window = main->window();
  if (window->isMinimized()) window->showNormal();
  // The status windows come along, staying above it; a question open now stays on top.
  for (const auto& v : views_)
    if (v && v.get() != main && v->window()->isVisible()) v->window()->raise();
  window->raise();
  window->activateWindow();
  if (QWidget* modal = QApplication::activeModalWidget()) BringForward(*modal);
}

DispatchResult FrontEnd::send(const UserEvent& event) {
  UserEvent sent = event;
  if (event.kind == EventKind::Close && sessionEnding_) sent.closeMode = CloseMode::System;
  const DispatchResult result = Dispatch(*app_, sent);
  refresh();
  return result;
}

bool FrontEnd::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
    for (int i = 0; i < FormCount; ++i) {
      const FormView* view = views_[static_cast<std::size_t>(i)].get();
      if (!view || view->window() != watched) continue;
      rememberPlace(static_cast<FormId>(i), *view);
      savePlaces_.start();
    }
  }
  return QObject::eventFilter(watched, event);
}

// The other windows shown are the ones a window opening for the first time keeps clear of.
void FrontEnd::place(FormId id, FormView& view) {
  const FormView* main = views_[static_cast<std::size_t>(FormId::Main_F)].get();
  const QWidget* mainWindow = main ? main->window() : nullptr;
  std::vector<QRect> shown;
  for (const auto& other : views_)
    if (other && other.get() != main && &*other != &view && other->window()->isVisible())
      shown.push_back(FrameOf(*other->window(), mainWindow));
  places_.place(id, *view.window(), mainWindow, shown);
  view.window()->installEventFilter(this);
  straightenLater(id, view.window(), FramingTries);
}

// The window manager frames a window some time after it is shown, or never (offscreen).
void FrontEnd::straightenLater(FormId id, QWidget* window, int tries) {
  QTimer::singleShot(FramingWait, this, [this, id, window = QPointer<QWidget>(window), tries] {
    if (window && window->isWindow() && !places_.straighten(id, *window) && tries > 1)
      straightenLater(id, window, tries - 1);
  });
}

void FrontEnd::host(FormId id, FormView& view) {
  const FormView* main = this->view(FormId::Main_F);
  if (!oneWindow_ || !IsStatusWindow(id) || !main) return place(id, view);
  if (!view.dock()) docks_.dock(id, view, *main->window());
}

void FrontEnd::refresh() {
  if (app_->ended) return end();
  std::vector<FormId> made;
  for (int i = 0; i < FormCount; ++i) {
    const auto id = static_cast<FormId>(i);
    FormHostBase& record = app_->forms.host(id);
    auto& view = views_[static_cast<std::size_t>(i)];
    auto& generation = generations_[static_cast<std::size_t>(i)];
    if (generation == record.generation()) continue;
    generation = record.generation();
    if (view) rememberPlace(id, *view);
    view.reset();
    if (Form* form = record.record()) view = MakeView(*this, *form);
    if (view) made.push_back(id);
  }
  const bool choosing = !layoutChosen_ && view(FormId::Main_F);
  if (choosing) chooseLayout();
  // Panels go into the main window at once; windows of their own take their places one by
  // one as they show, each clear of those shown before it.
  std::array<bool, FormCount> toPlace{};
  for (FormId id : made) {
    if (oneWindow_ && IsStatusWindow(id) && view(FormId::Main_F))
      host(id, *view(id));
    else
      toPlace[static_cast<std::size_t>(id)] = true;
  }
  const MainForm* m = app_->forms.main.record();
  if (choosing && oneWindow_) {
    restorePanels();
  } else if (layoutChosen_ && m && m->One_Window.checked() != oneWindow_) {
    switchLayout(m->One_Window.checked());
  }
  // The panels first, so that the main window has its size for them before it first shows
  // (a window manager may keep the size a window was first shown with).
  if (oneWindow_ && view(FormId::Main_F)) {
    for (const auto& view : views_)
      if (view && view->dock()) view->refresh();
    docks_.fit(*view(FormId::Main_F)->window());
  }
  for (int i = 0; i < FormCount; ++i) {
    FormView* view = views_[static_cast<std::size_t>(i)].get();
    if (view && toPlace[static_cast<std::size_t>(i)]) host(static_cast<FormId>(i), *view);
    if (view) view->refresh();
  }
  const bool running = m && m->Play.enabled() && m->Play.interval() > 0;
  if (running && (!play_.isActive() || play_.interval() != m->Play.interval()))
    play_.start(m->Play.interval());
  if (!running) play_.stop();
}

void FrontEnd::chooseLayout() {
  layoutChosen_ = true;
  QMainWindow* main = view(FormId::Main_F)->window();
  if (const auto kept = ReadLayoutChoice(DataPath(*app_, LayoutFile))) {
    oneWindow_ = kept->oneWindow;
    panels_ = kept->panels;
    oneWindowSize_ = kept->size;
  } else {
    std::vector<QSize> status;
    for (int i = 0; i < FormCount; ++i)
      if (const FormView* v = views_[static_cast<std::size_t>(i)].get();
          v && IsStatusWindow(static_cast<FormId>(i)))
        status.push_back(firstFrame(*v->window()));
    const QScreen* screen = main->screen() ? main->screen() : QGuiApplication::primaryScreen();
    oneWindow_ = !StandClearOfMain(firstFrame(*main), status, screen->availableGeometry());
    // Kept from now on, whatever screen the program opens on next.
    WriteLayoutChoice(DataPath(*app_, LayoutFile), {oneWindow_, {}, {}});
  }
  MainForm& m = Main_F(*app_);
  Dispatch(
      *app_,
      {EventKind::Click, FormId::Main_F, oneWindow_ ? &m.One_Window : &m.Separate_Windows, {}});
}

void FrontEnd::switchLayout(bool oneWindow) {
  QMainWindow* main = view(FormId::Main_F)->window();
  if (!oneWindow) {
    panels_ = docks_.save(*main);
    oneWindowSize_ = main->size();
  }
  oneWindow_ = oneWindow;
  for (int i = 0; i < FormCount; ++i) {
    const auto id = static_cast<FormId>(i);
    FormView* v = views_[static_cast<std::size_t>(i)].get();
    if (!v || !IsStatusWindow(id)) continue;
    rememberPlace(id, *v);
    if (!oneWindow) v->undock();
    host(id, *v);
    // Shown at once: the next window opening for the first time keeps clear of it.
    v->refresh();
  }
  if (oneWindow) {
    restorePanels();
  } else {
    docks_.clear();
    OpenResizable(main);
  }
  saveLayout();
}

void FrontEnd::restorePanels() {
  QMainWindow* main = view(FormId::Main_F)->window();
  docks_.restore(*main, panels_);
  if (oneWindowSize_.isValid()) main->resize(oneWindowSize_.boundedTo(RoomOnScreen(main)));
}

void FrontEnd::saveLayout() {
  const FormView* main = view(FormId::Main_F);
  if (!layoutChosen_ || !main) return;
  if (oneWindow_) {
    panels_ = docks_.save(*main->window());
    oneWindowSize_ = main->window()->size();
  }
  WriteLayoutChoice(DataPath(*app_, LayoutFile), {oneWindow_, panels_, oneWindowSize_});
}

void FrontEnd::end() {
  play_.stop();
  saveLayout();
  for (int i = 0; i < FormCount; ++i) {
    auto& view = views_[static_cast<std::size_t>(i)];
    if (view) rememberPlace(static_cast<FormId>(i), *view);
    view.reset();
  }
  places_.save();
  SettleFiles(*app_);
  // exit(), not quit(): quit() first asks every window to close, and a status window
  // refuses its close box, which would cancel the quit and keep the program running.
  QCoreApplication::exit(0);
}
