#include "store/settings.h"

#include <string>
#include <vector>

#include "store/data_file.h"
#include "windows/app.h"

namespace {

const char* const UserFile = "Data/Files/USER.FIL";
const char* const WindowFile = "Data/Files/USER2.FIL";

// The values of a settings file in file order; commas and line ends both separate them.
// Each value is judged on its own, so one damaged value costs only its own field.
class SettingsReader {
 public:
  SettingsReader(const App& app, const char* file)
      : file_(file), read_(ReadDataFile(app, file)), in_(read_.value) {}
  SettingsReader(const SettingsReader&) = delete;
  SettingsReader& operator=(const SettingsReader&) = delete;

  // The next value when it is a whole number within min..max; otherwise (missing, not a
  // number, out of range, a byte the code page does not define) the factory value.
  int next(int factory, long min, long max) {
    RawField f;
    const auto v = in_.nextValue(f) ? AsInteger(f) : std::nullopt;
    if (v && *v >= min && *v <= max) return static_cast<int>(*v);
    damaged_ = true;
    return factory;
  }

  FileResult result() const {
    if (read_.result.done() && damaged_) return {FileResult::Malformed, file_};
    return read_.result;
  }

 private:
  const char* file_;
  FileRead<std::string> read_;
  FieldScanner in_;
  bool damaged_ = false;
};

}  // namespace

FileResult LoadUserSettings(App& app) {
  SettingsReader in(app, UserFile);
  auto& v = app.vars;
  v.PocketCount = in.next(38, 37, 38);
  v.SoundOn = in.next(1, 0, 1);
  v.MainFront = in.next(0, 0, 1);
  return in.result();
}

FileResult SaveUserSettings(App& app) {
  const auto& v = app.vars;
  LayoutWriter out;
  for (int value : {v.PocketCount, v.SoundOn, v.MainFront}) out.integer(value, 0, 0);
  out.endLine();
  return SaveDataFile(app, UserFile, std::move(out.bytes));
}

FileResult LoadWindowSettings(App& app) {
  SettingsReader in(app, WindowFile);
  auto& v = app.vars;
  v.OrWindowOn = in.next(0, 0, 1);
  v.AreaWindowOn = in.next(0, 0, 1);
  v.PointWindowOn = in.next(0, 0, 1);
  v.TotalWindowOn = in.next(0, 0, 1);
  v.ExpectCheckOn = in.next(0, 0, 1);
  v.PointMode = in.next(1, 1, 2);
  v.QuickExpectOn = in.next(0, 0, 1);
  v.PointLimit = in.next(10, 1, 38);
  for (int i = 0; i <= 37; ++i)
    for (int k = 1; k <= 6; ++k) v.AreaMember(k)(i) = in.next(0, 0, 1);
  return in.result();
}

FileResult SaveWindowSettings(App& app) {
  const auto& v = app.vars;
  LayoutWriter out;
  for (int value : {v.OrWindowOn, v.AreaWindowOn, v.PointWindowOn, v.TotalWindowOn, v.ExpectCheckOn,
                    v.PointMode, v.QuickExpectOn, v.PointLimit})
    out.integer(value, 0, 0);
  out.endLine();
  for (int i = 0; i <= 37; ++i) {
    for (int k = 1; k <= 6; ++k) out.integer(v.AreaMember(k)(i), 0, 0);
    out.endLine();
  }
  return SaveDataFile(app, WindowFile, std::move(out.bytes));
}
