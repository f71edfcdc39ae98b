// The settings files: USER.FIL before the first NUL of the input, USER2.FIL after it. The
// program starts on them, records and takes back spins and changes settings; what it
// writes back holds the values it works with.
#include "fuzz_program.h"
#include "store/settings.h"

namespace {

bool sameAreas(const AreaTables& a, const AreaTables& b) {
  for (int k = 1; k <= 6; ++k)
    for (int i = 0; i <= 37; ++i)
      if (a(k)(i) != b(k)(i)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [user, user2] = SplitAtNul(InputBytes(data, size));
  TestProgram p(
      {{"Data/Files/USER.FIL", std::string(user)}, {"Data/Files/USER2.FIL", std::string(user2)}});
  p.run(
      "click Main_F.Count_P(36)\n"
      "click Main_F.Count_P(37)\n"
      "click Main_F.Count_M(37)\n"
      "click Main_F.Area\n"
      "click Main_F.Point_C\n"
      "click Point_F.UP_1\n"
      "click Point_F.Mode2\n"
      "click Main_F.Count_P(4)\n");
  // USER2.FIL has been written back whole: read again, it gives the same settings.
  const GameVars before = p.app().vars;
  LoadUserSettings(p.app());
  LoadWindowSettings(p.app());
  const GameVars& after = p.app().vars;
  Require(after.PointLimit == before.PointLimit && after.PointMode == before.PointMode &&
              sameAreas(after.AreaMember, before.AreaMember),
          "settings written back read back the same");
  return 0;
}
