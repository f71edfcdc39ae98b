#pragma once

#include <optional>
#include <string>

struct GameVars;

// The value of a game variable by its name, "SpinLog" with index 7 for SpinLog(7); empty
// for an unknown name, a missing index or one outside the variable's range. Texts come
// back unescaped.
std::optional<std::string> ReadVar(const GameVars& v, const std::string& name,
                                   std::optional<int> index);
