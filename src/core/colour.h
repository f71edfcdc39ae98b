#pragma once

#include <cstdint>
#include <string>

// A window colour: #RRGGBB, or one of the two system colours whose real value the front
// end decides.
struct Colour {
  std::int32_t value = -1;

  static constexpr Colour rgb(std::uint32_t v) { return Colour{static_cast<std::int32_t>(v)}; }
  bool isSystem() const { return value < 0; }
  friend bool operator==(Colour, Colour) = default;
};

inline constexpr Colour ButtonFace{-1};
inline constexpr Colour ButtonText{-2};
inline constexpr Colour White = Colour::rgb(0xFFFFFF);

// "#C00000", or "buttonface" / "buttontext".
std::string ColourText(Colour c);
