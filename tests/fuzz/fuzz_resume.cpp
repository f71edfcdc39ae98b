// The recovery file a start finds, RESUME.FIL, is the input. The start either refuses it,
// saying that the game was not restored, or restores a game that written back from its
// windows is the input byte for byte: nothing in the file is taken without being restored
// whole. The restored game then plays on.
#include "fuzz_program.h"
#include "fuzz_slots.h"
#include "game/recovery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = InputBytes(data, size);
  FuzzProgram p;
  p.write("Data/Files/RESUME.FIL", input);
  p.start("answer yes");
  const bool offered = p.printed("復元しますか?");
  const bool refused = p.printed("前回のゲームは復元できませんでした。");
  Require(offered != refused, "the recovery file is either offered or refused");
  if (!offered) return 0;
  Require(RecoveryBytes(p.app()) == input, "a restored game saves back as it was read");
  p.run(PlayOn());
  Require(!Slot2Failed(p), "a slot the program saved loads back");
  return 0;
}
