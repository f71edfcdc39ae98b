#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

// The fuzz targets that run a whole program drive it as the tests do.
#include "../support/test_program.h"

// The input of a fuzz target as bytes.
std::string_view InputBytes(const std::uint8_t* data, std::size_t size);

// Two files in one input: the bytes before the first NUL and those after it.
std::pair<std::string_view, std::string_view> SplitAtNul(std::string_view input);

// Stops the fuzzer with a report when a property of the program does not hold.
void Require(bool holds, const char* what);
