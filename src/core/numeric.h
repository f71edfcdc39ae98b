#pragma once

#include <string>
#include <string_view>

// The text and number rules every window figure follows: counts, rates and levels live as
// control texts and are read back with Val and written with Str on every use.

// Numeric-prefix parse: leading blanks, a sign, digits with one point and an optional
// exponent; stops at the first other character. "105%" reads 105, "" reads 0.
double Val(std::string_view text);

// Largest whole number not above x.
double Int(double x);

// x rounded to d decimals, halves to the even neighbour.
double Round(double x, int d);

// Conversion to a whole number, halves to even (held wide: counts may exceed 16 bits; a
// value beyond a long is held at its end).
long CInt(double x);

// Shortest decimal text of at most 15 significant digits, never an exponent.
std::string Str(double x);

// The same for a single-precision value: at most 7 significant digits.
std::string StrSingle(float x);

// Joins the pieces of a multi-line message with a line feed and a carriage return.
std::string JoinLines(std::initializer_list<std::string_view> lines);
