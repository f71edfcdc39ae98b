#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/wheel_book.h"

// Files of spins that leave the program or come into it: the player's own records.
// Spins are number indices 0..37, oldest first.

// The CSV an export writes, in UTF-8 with CR LF line ends: the header "spin,number,colour",
// then one row per spin ("1,17,black", "2,00,green").
std::string SpinCsvBytes(const std::vector<int>& spins);

// The CSV of spins from the wheel book, in UTF-8 with CR LF line ends: the header
// "wheel,session,spin,number,colour,recorded_at", then one row per spin, numbered from 1.
// A wheel's name is quoted when it holds a comma, a quote or a line end.
std::string BookCsvBytes(const std::vector<BookSpinRow>& rows);

// Why a file of spins cannot be taken; nothing is to be recorded from it.
struct SpinFileFault {
  enum Kind {
    Unreadable,     // missing, a folder, a device or a pipe, or the read failed
    TooLarge,       // far beyond any record of spins
    NotText,        // neither UTF-8 nor CP932 text (control or undefined bytes)
    NoSpins,        // no spin in it (empty, blanks only, a header only)
    NotANumber,     // `token` on `line` is no number 1..36, 0 or 00, or no row of the CSV
    WrongColour,    // `token` on `line` is not the colour of the row's number
    DoubleZeroOff,  // "00" on `line` while the 00 pocket is off
  };
  Kind kind;
  int line = 0;  // 1 for the first line of the file
  std::string token;
};

struct SpinFileReading {
  std::vector<int> spins;
  std::optional<SpinFileFault> fault;  // when set, `spins` is empty
};

// Reads a file of spins whole, in either form the program takes: the CSV of an export,
// with or without its header, or numbers separated by commas, blanks, tabs or line ends.
// UTF-8 (with or without a byte order mark) or CP932, CR LF or LF. The first fault in file
// order refuses the whole file. With `pocketCount` 37 the 00 pocket is off.
SpinFileReading ReadSpinFile(const std::filesystem::path& file, int pocketCount);
SpinFileReading ParseSpinFile(std::string_view bytes, int pocketCount);
