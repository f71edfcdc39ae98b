#include "core/colour.h"

#include <cstdio>

std::string ColourText(Colour c) {
  if (c == ButtonFace) return "buttonface";
  if (c == ButtonText) return "buttontext";
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c.value) & 0xFFFFFFu);
  return buf;
}
