#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <filesystem>
#include <memory>

#include "core/program_folders.h"
#include "gui/form_view.h"
#include "gui/front_door.h"
#include "gui/key_router.h"
#include "gui/qt_services.h"
#include "gui/status_docks.h"
#include "gui/window_places.h"
#include "windows/app.h"
#include "windows/dispatch.h"

// The desktop program: the program's state, one Qt window per loaded window record, and
// the Play timer. Every user event goes through the one dispatch, then the windows redraw
// what changed.
class FrontEnd : public QObject {
 public:
  // One folder for everything, as a portable copy has.
  explicit FrontEnd(const std::filesystem::path& folder);
  explicit FrontEnd(const ProgramFolders& folders);
  ~FrontEnd() override;

  App& app() { return *app_; }
  QtServices& services() { return services_; }
  // Starts the program and shows its windows. False when another program runs on the
  // same folder: that one comes to the front (or, when it cannot be reached, this one says
  // why it ends), and nothing is touched.
  bool start();
  DispatchResult send(const UserEvent& event);
  // The desktop session is ending (logout, shutdown): from now on a window's close box is
  // the system's, which leaves unsaved spins in the recovery pair.
  void sessionEnding() { sessionEnding_ = true; }
  // Brings every window in line with its record.
  void refresh();
  // The view of a window, or null when it is not loaded or has no view.
  FormView* view(FormId id) const { return views_[static_cast<std::size_t>(id)].get(); }

 private:
  // Notes where each window stands as the user moves it, and writes the places soon after.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void place(FormId id, FormView& view);
  // Puts a window just made where the layout has it: in its panel, or in its place.
  void host(FormId id, FormView& view);
  void rememberPlace(FormId id, const FormView& view);
  // At the first start the layout follows the screen: one window when the status windows
  // cannot stand beside the main window without covering it. Afterwards, the player's.
  void chooseLayout();
  // The status windows move into panels of the main window, or out to windows of their own.
  void switchLayout(bool oneWindow);
  // The panels as they were last arranged, and the main window's size then.
  void restorePanels();
  void saveLayout();
  // A second start knocked: the main window comes to the front.
  void comeForward();
  void straightenLater(FormId id, QWidget* window, int tries);
  // The program has ended: its windows go and the event loop stops.
  void end();

  QtServices services_;
  std::unique_ptr<App> app_;
  std::array<std::unique_ptr<FormView>, FormCount> views_;
  std::array<std::uint64_t, FormCount> generations_{};
  QTimer play_;
  WindowPlaces places_;
  QTimer savePlaces_;
  KeyRouter keys_{*this};
  FrontDoor door_;
  StatusDocks docks_{[this](FormId id) {
                       send({EventKind::Close, id, nullptr, {}});
                     },
                     [this] { savePlaces_.start(); }};
  bool layoutChosen_ = false;
  bool oneWindow_ = false;
  // The panels' arrangement when they were last in the main window, and its size then.
  QByteArray panels_;
  QSize oneWindowSize_;
  bool sessionEnding_ = false;
};

// The hand-made view of a window, or null for a window that has none.
std::unique_ptr<FormView> MakeView(FrontEnd& frontEnd, Form& form);
