// The recovery file a start finds, RESUME.FIL, is the input. The start either refuses it,
// saying that the game was not restored, or restores a game that written back from its
// windows is the input byte for byte: nothing in the file is taken without being restored
// whole. The restored game then plays on.
#include "fuzz_program.h"
#include "fuzz_slots.h"
#include "game/recovery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input = InputBytes(data, size);
  TestProgram p({{"Data/Files/RESUME.FIL", std::string(input)}}, "answer yes");
  const bool offered = p.startOutput().find("復元しますか?") != std::string::npos;
  const bool refused =
      p.startOutput().find("前回のゲームは復元できませんでした。") != std::string::npos;
  Require(offered != refused, "the recovery file is either offered or refused");
  if (!offered) return 0;
  Require(RecoveryBytes(p.app()) == input, "a restored game saves back as it was read");
  Require(!Slot2Failed(p.run(PlayOn())), "a slot the program saved loads back");
  return 0;
}
