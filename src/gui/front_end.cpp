#include "gui/front_end.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QSessionManager>

#include "game/recovery.h"
#include "game/startup.h"
#include "gui/stacking.h"
#include "windows/message.h"

namespace {

// Window places are written this long after the last move.
constexpr int SavePlacesDelay = 1000;  // milliseconds
// How long and how often to wait for the window manager to frame a window just shown.
constexpr int FramingWait = 100;  // milliseconds
constexpr int FramingTries = 20;

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
  QObject::connect(&savePlaces_, &QTimer::timeout, this, [this] { places_.save(); });
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
  for (int i = 0; i < FormCount; ++i)
    if (const FormView* view = views_[static_cast<std::size_t>(i)].get())
      places_.remember(static_cast<FormId>(i), *view->window());
  places_.save();
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
  if (event->type() == QEvent::Move) {
    for (int i = 0; i < FormCount; ++i) {
      const FormView* view = views_[static_cast<std::size_t>(i)].get();
      if (!view || view->window() != watched) continue;
      places_.remember(static_cast<FormId>(i), *view->window());
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
    if (window && !places_.straighten(id, *window) && tries > 1)
      straightenLater(id, window, tries - 1);
  });
}

void FrontEnd::refresh() {
  if (app_->ended) return end();
  for (int i = 0; i < FormCount; ++i) {
    const auto id = static_cast<FormId>(i);
    FormHostBase& host = app_->forms.host(id);
    auto& view = views_[static_cast<std::size_t>(i)];
    auto& generation = generations_[static_cast<std::size_t>(i)];
    if (generation != host.generation()) {
      generation = host.generation();
      if (view) places_.remember(id, *view->window());
      view.reset();
      if (Form* record = host.record()) {
        view = MakeView(*this, *record);
        if (view) place(id, *view);
      }
    }
    if (view) view->refresh();
  }
  const MainForm* m = app_->forms.main.record();
  const bool running = m && m->Play.enabled() && m->Play.interval() > 0;
  if (running && (!play_.isActive() || play_.interval() != m->Play.interval()))
    play_.start(m->Play.interval());
  if (!running) play_.stop();
}

void FrontEnd::end() {
  play_.stop();
  for (int i = 0; i < FormCount; ++i) {
    auto& view = views_[static_cast<std::size_t>(i)];
    if (view) places_.remember(static_cast<FormId>(i), *view->window());
    view.reset();
  }
  places_.save();
  SettleFiles(*app_);
  // exit(), not quit(): quit() first asks every window to close, and a status window
  // refuses its close box, which would cancel the quit and keep the program running.
  QCoreApplication::exit(0);
}
