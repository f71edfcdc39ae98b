#include "windows/properties.h"

namespace {

std::string flag(bool b) {
  return b ? "1" : "0";
}

}  // namespace

std::vector<std::pair<const char*, std::string>> Properties(const Control& c) {
  const std::string visible = flag(c.visible());
  switch (c.kind()) {
    case Kind::Label: {
      const auto& l = static_cast<const Label&>(c);
      return {{"caption", l.caption()},
              {"back", ColourText(l.back())},
              {"fore", ColourText(l.fore())},
              {"visible", visible}};
    }
    case Kind::TextBox: {
      const auto& t = static_cast<const TextBox&>(c);
      return {{"text", t.text()},
              {"back", ColourText(t.back())},
              {"fore", ColourText(t.fore())},
              {"visible", visible}};
    }
    case Kind::PictureBox: {
      const auto& p = static_cast<const PictureBox&>(c);
      return {{"back", ColourText(p.back())},
              {"visible", visible},
              {"picture", p.lit() ? "lit" : "empty"}};
    }
    case Kind::CommandButton: {
      const auto& b = static_cast<const CommandButton&>(c);
      return {{"caption", b.caption()}, {"back", ColourText(b.back())}, {"visible", visible}};
    }
    case Kind::CheckBox: {
      const auto& b = static_cast<const CheckBox&>(c);
      return {{"caption", b.caption()}, {"visible", visible}, {"value", std::to_string(b.value())}};
    }
    case Kind::MenuItem: {
      const auto& m = static_cast<const MenuItem&>(c);
      return {{"caption", m.caption()}, {"checked", flag(m.checked())}};
    }
    case Kind::Frame:
      return {{"caption", static_cast<const Frame&>(c).caption()}, {"visible", visible}};
    case Kind::Timer: {
      const auto& t = static_cast<const Timer&>(c);
      return {{"enabled", flag(t.enabled())}, {"interval", std::to_string(t.interval())}};
    }
  }
  return {};
}
