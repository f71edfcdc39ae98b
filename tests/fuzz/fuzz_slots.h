#pragma once

#include <string>

class TestProgram;

// Lays a slot holding a game of forty spins (numbers 1 to 36, 0, 00, 1, 2, with the first
// three numbers in area n) into slot n of the program's folder.
void WriteFortySpinSlot(const TestProgram& p, int n);

// Script lines that play on from a loaded game: predictions with and without the reveal,
// their verdicts, an undo, a save into slot 2 and its load. Random values are
// queued, so a run repeats.
std::string PlayOn();

// Whether what the program printed tells of a failure to write or read slot 2, which it
// saved itself.
bool Slot2Failed(const std::string& printed);
