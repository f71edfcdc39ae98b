// A varnet-cli script, run on a program started in an empty folder: whatever the lines
// say, the program answers, prints an error or ends; it never stops any other way.
#include "fuzz_program.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TestProgram p;
  p.run(std::string(InputBytes(data, size)));
  return 0;
}
