#include "gui/front_end.h"

#include <QCoreApplication>

#include "game/startup.h"

FrontEnd::FrontEnd(const std::filesystem::path& folder)
    : FrontEnd(ProgramFolders{folder, folder}) {}

FrontEnd::FrontEnd(const ProgramFolders& folders)
    : services_(folders.assets), app_(std::make_unique<App>(folders.data, services_.services())) {
  services_.beforeModal = [this] { refresh(); };
  services_.mainWindow = [this]() -> QWidget* {
    const FormView* main = view(FormId::Main_F);
    return main ? main->window() : nullptr;
  };
  QObject::connect(&play_, &QTimer::timeout, this, [this] {
    if (MainForm* m = app_->forms.main.record())
      send({EventKind::Tick, FormId::Main_F, &m->Play, {}});
  });
}

FrontEnd::~FrontEnd() = default;

void FrontEnd::start() {
  StartProgram(*app_);
  refresh();
}

DispatchResult FrontEnd::send(const UserEvent& event) {
  const DispatchResult result = Dispatch(*app_, event);
  refresh();
  return result;
}

// A window opens to the right of the main window, each kind a little lower than the last,
// so that they do not hide each other when first shown.
void FrontEnd::placeBesideMain(FormView& view, int slot) {
  const FormView* main = views_[static_cast<std::size_t>(FormId::Main_F)].get();
  if (!main) return;
  const QRect frame = main->window()->frameGeometry();
  view.window()->move(frame.right() + 8 + 16 * slot, frame.top() + 24 * slot);
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
      view.reset();
      if (Form* record = host.record()) {
        view = MakeView(*this, *record);
        if (view && id != FormId::Main_F) placeBesideMain(*view, i);
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
  for (auto& view : views_) view.reset();
  // exit(), not quit(): quit() first asks every window to close, and a status window
  // refuses its close box, which would cancel the quit and keep the program running.
  QCoreApplication::exit(0);
}
