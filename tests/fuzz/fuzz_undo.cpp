// REAL_SAVE.FIL, read by the undo: a game of forty spins is loaded from a slot, a spin is
// recorded, its snapshot file is replaced by the input and the spin taken back; then the
// game goes on with predictions over whatever the undo put into the windows.
#include "fuzz_program.h"
#include "fuzz_slots.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TestProgram p;
  WriteFortySpinSlot(p, 1);
  p.run(
      "click Main_F.Save_Load\nanswer yes\nclick Save_Load_F.Load(1)\nclick Save_Load_F.Command1\n"
      "click Main_F.Count_P(6)\n");
  p.writeFile("Data/Files/REAL_SAVE.FIL", std::string(InputBytes(data, size)));
  const std::string printed = p.run("click Main_F.Count_M(6)\n" + PlayOn());
  Require(!Slot2Failed(printed), "a slot the program saved loads back");
  return 0;
}
