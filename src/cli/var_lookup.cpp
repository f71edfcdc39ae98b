#include "cli/var_lookup.h"

#include <functional>
#include <map>

#include "core/game_vars.h"

namespace {

struct VarInfo {
  int first = 0, last = -1;  // an index range, or none when last < first
  std::function<std::string(const GameVars&, int)> read;
};

template <class T, int F, int L>
VarInfo array(const IndexedArray<T, F, L> GameVars::*member) {
  return VarInfo{F, L, [member](const GameVars& v, int i) {
                   if constexpr (std::is_same_v<T, std::string>)
                     return (v.*member)(i);
                   else
                     return std::to_string((v.*member)(i));
                 }};
}

VarInfo scalar(const int GameVars::*member) {
  return VarInfo{0, -1, [member](const GameVars& v, int) { return std::to_string(v.*member); }};
}

VarInfo areaMember(int k) {
  return VarInfo{0, 37,
                 [k](const GameVars& v, int i) { return std::to_string(v.AreaMember(k)(i)); }};
}

const std::map<std::string, VarInfo>& table() {
  static const std::map<std::string, VarInfo> vars = {
      {"PocketCount", scalar(&GameVars::PocketCount)},
      {"SoundOn", scalar(&GameVars::SoundOn)},
      {"MainFront", scalar(&GameVars::MainFront)},
      {"OrWindowOn", scalar(&GameVars::OrWindowOn)},
      {"AreaWindowOn", scalar(&GameVars::AreaWindowOn)},
      {"PointWindowOn", scalar(&GameVars::PointWindowOn)},
      {"TotalWindowOn", scalar(&GameVars::TotalWindowOn)},
      {"ExpectCheckOn", scalar(&GameVars::ExpectCheckOn)},
      {"QuickExpectOn", scalar(&GameVars::QuickExpectOn)},
      {"PointMode", scalar(&GameVars::PointMode)},
      {"PointLimit", scalar(&GameVars::PointLimit)},
      {"AreaMember1", areaMember(1)},
      {"AreaMember2", areaMember(2)},
      {"AreaMember3", areaMember(3)},
      {"AreaMember4", areaMember(4)},
      {"AreaMember5", areaMember(5)},
      {"AreaMember6", areaMember(6)},
      {"AreaAssigned", array(&GameVars::AreaAssigned)},
      {"ExpectDone", scalar(&GameVars::ExpectDone)},
      {"AreaEditing", scalar(&GameVars::AreaEditing)},
      {"CurrentIndex", scalar(&GameVars::CurrentIndex)},
      {"ColourClass", scalar(&GameVars::ColourClass)},
      {"LastIndex", scalar(&GameVars::LastIndex)},
      {"LastArea", scalar(&GameVars::LastArea)},
      {"LastColour", scalar(&GameVars::LastColour)},
      {"Unsaved", scalar(&GameVars::Unsaved)},
      {"LogText", array(&GameVars::LogText)},
      {"LogColour", array(&GameVars::LogColour)},
      {"SpinLog", array(&GameVars::SpinLog)},
      {"LogPage", scalar(&GameVars::LogPage)},
      {"SearchOn", array(&GameVars::SearchOn)},
      {"BlinkArea", scalar(&GameVars::BlinkArea)},
      {"BlinkPoint", scalar(&GameVars::BlinkPoint)},
      {"BlinkPhase", scalar(&GameVars::BlinkPhase)},
      {"ExpectColour", scalar(&GameVars::ExpectColour)},
      {"PointExpectVoid", scalar(&GameVars::PointExpectVoid)},
      {"ExpectArea", scalar(&GameVars::ExpectArea)},
      {"SlotMode", scalar(&GameVars::SlotMode)},
      {"SlotNo", scalar(&GameVars::SlotNo)},
  };
  return vars;
}

}  // namespace

std::optional<std::string> ReadVar(const GameVars& v, const std::string& name,
                                   std::optional<int> index) {
  const auto it = table().find(name);
  if (it == table().end()) return std::nullopt;
  const VarInfo& info = it->second;
  const bool isArray = info.last >= info.first;
  if (isArray != index.has_value()) return std::nullopt;
  if (isArray && (*index < info.first || *index > info.last)) return std::nullopt;
  return info.read(v, index.value_or(0));
}
