#include "gui/area_view.h"
#include "gui/black_or_red_view.h"
#include "gui/book_view.h"
#include "gui/front_end.h"
#include "gui/log_view.h"
#include "gui/main_view.h"
#include "gui/point_view.h"
#include "gui/save_load_view.h"
#include "gui/statistics_view.h"
#include "gui/total_view.h"
#include "gui/version_view.h"

namespace {

// Each window's view, by its record class. A window of the table without one here does not
// compile.
template <class Record>
struct ViewOf;
// clang-format off
template <> struct ViewOf<MainForm>        { using type = MainView; };
template <> struct ViewOf<AreaForm>        { using type = AreaView; };
template <> struct ViewOf<PointForm>       { using type = PointView; };
template <> struct ViewOf<BlackOrRedForm>  { using type = BlackOrRedView; };
template <> struct ViewOf<TotalForm>       { using type = TotalView; };
template <> struct ViewOf<LogForm>         { using type = LogView; };
template <> struct ViewOf<SaveLoadForm>    { using type = SaveLoadView; };
template <> struct ViewOf<VersionForm>     { using type = VersionView; };
template <> struct ViewOf<StatisticsForm>  { using type = StatisticsView; };
template <> struct ViewOf<BookForm>        { using type = BookView; };
// clang-format on

}  // namespace

std::unique_ptr<FormView> MakeView(FrontEnd& frontEnd, Form& form) {
  switch (form.id()) {
#define VARNET_VIEW_CASE(name, Record, member) \
  case FormId::name:                           \
    return std::make_unique<ViewOf<Record>::type>(frontEnd, static_cast<Record&>(form));
    VARNET_WINDOWS(VARNET_VIEW_CASE)
#undef VARNET_VIEW_CASE
  }
  return nullptr;
}
