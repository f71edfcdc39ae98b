#pragma once

#include <string>
#include <utility>
#include <vector>

#include "windows/controls.h"

// The properties a control's kind has, by name, in the order text, caption, back, fore,
// visible, value, checked, picture, enabled, interval; values as the scripted front end
// prints them (colours "#RRGGBB", flags 0/1, pictures lit/empty).
std::vector<std::pair<const char*, std::string>> Properties(const Control& c);
