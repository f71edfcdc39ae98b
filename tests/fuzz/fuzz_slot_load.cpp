// A slot's pair of files: Save1.FIL before the first NUL of the input, USER3_1.FIL after
// it. The save window lists the slot, the slot is loaded and the game goes on with
// predictions over whatever the load put into the windows.
#include "fuzz_program.h"
#include "fuzz_slots.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto [save, user3] = SplitAtNul(InputBytes(data, size));
  TestProgram p({{"Data/Files/Save1.FIL", std::string(save)},
                 {"Data/Files/USER3_1.FIL", std::string(user3)}});
  const std::string printed = p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Load(1)\nclick "
      "Save_Load_F.Command1\n" +
      PlayOn());
  Require(!Slot2Failed(printed), "a slot the program saved loads back");
  return 0;
}
