#include "core/settings.h"

#include <vector>

#include "core/app.h"
#include "store/data_file.h"

namespace {

const char* const UserFile = "Data/Files/USER.FIL";
const char* const WindowFile = "Data/Files/USER2.FIL";

// The values of a settings file in file order; commas and line ends both separate them.
class FieldSequence {
 public:
  explicit FieldSequence(const App& app, const char* file) {
    if (auto lines = ReadDataFile(app, file))
      for (auto& line : *lines)
        for (auto& f : line) fields_.push_back(AsInteger(f));
  }
  int next(int factory) {
    const std::size_t i = pos_++;
    if (i < fields_.size() && fields_[i]) return static_cast<int>(*fields_[i]);
    return factory;
  }

 private:
  std::vector<std::optional<long>> fields_;
  std::size_t pos_ = 0;
};

}  // namespace

void LoadUserSettings(App& app) {
  FieldSequence in(app, UserFile);
  auto& v = app.vars;
  v.PocketCount = in.next(38);
  v.SoundOn = in.next(1);
  v.MainFront = in.next(0);
}

void SaveUserSettings(App& app) {
  const auto& v = app.vars;
  SaveDataFile(app, UserFile,
               {{IntField(v.PocketCount), IntField(v.SoundOn), IntField(v.MainFront)}});
}

void LoadWindowSettings(App& app) {
  FieldSequence in(app, WindowFile);
  auto& v = app.vars;
  v.OrWindowOn = in.next(0);
  v.AreaWindowOn = in.next(0);
  v.PointWindowOn = in.next(0);
  v.TotalWindowOn = in.next(0);
  v.ExpectCheckOn = in.next(0);
  v.PointMode = in.next(1);
  v.QuickExpectOn = in.next(0);
  v.PointLimit = in.next(10);
  for (int i = 0; i <= 37; ++i)
    for (int k = 1; k <= 6; ++k) v.AreaMember(k)(i) = in.next(0);
}

void SaveWindowSettings(App& app) {
  const auto& v = app.vars;
  std::vector<Line> lines;
  lines.push_back({IntField(v.OrWindowOn), IntField(v.AreaWindowOn), IntField(v.PointWindowOn),
                   IntField(v.TotalWindowOn), IntField(v.ExpectCheckOn), IntField(v.PointMode),
                   IntField(v.QuickExpectOn), IntField(v.PointLimit)});
  for (int i = 0; i <= 37; ++i) {
    Line line;
    for (int k = 1; k <= 6; ++k) line.push_back(IntField(v.AreaMember(k)(i)));
    lines.push_back(std::move(line));
  }
  SaveDataFile(app, WindowFile, lines);
}
