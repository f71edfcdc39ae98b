#include "windows/forms.h"

#include "windows/dispatch.h"

namespace {

#define VARNET_FORM_NAME(name, Record, member) #name,
constexpr const char* Names[] = {VARNET_WINDOWS(VARNET_FORM_NAME)};
#undef VARNET_FORM_NAME

}  // namespace

const char* FormName(FormId id) {
  const auto i = static_cast<std::size_t>(id);
  return i < std::size(Names) ? Names[i] : "";
}

std::optional<FormId> FormByName(std::string_view name) {
  for (std::size_t i = 0; i < std::size(Names); ++i)
    if (name == Names[i]) return static_cast<FormId>(i);
  return std::nullopt;
}

Control* ControlEntry::at(int index) const {
  if (index < first || index > last) return nullptr;
  return items[static_cast<std::size_t>(index - first)];
}

std::string Control::address() const {
  return arrayItem_ ? name_ + "(" + std::to_string(index_) + ")" : name_;
}

void Control::touch() {
  ++version_;
  if (owner_) owner_->bump();
}

void CheckBox::setValue(App& app, int v) {
  if (value_ == v) return;
  value_ = v;
  touch();
  RunHandler(app, *this);
}

Form::Form(FormId id, std::string caption) : id_(id), caption_(std::move(caption)) {}

void Form::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  bump();
}

void Form::setVisible(bool v) {
  if (visible_ != v) {
    visible_ = v;
    bump();
  }
}

void Form::setTopmost(bool t) {
  if (topmost_ != t) {
    topmost_ = t;
    bump();
  }
}

const ControlEntry* Form::find(const std::string& name) const {
  for (const auto& e : entries_)
    if (e.name == name) return &e;
  return nullptr;
}

ControlEntry& Form::newEntry(const std::string& name, Kind kind, bool isArray, int first,
                             int last) {
  ControlEntry e;
  e.name = name;
  e.kind = kind;
  e.isArray = isArray;
  e.first = first;
  e.last = last;
  entries_.push_back(std::move(e));
  return entries_.back();
}

void Form::adopt(ControlEntry& entry, Control& c, int index, bool arrayItem) {
  c.owner_ = this;
  c.name_ = entry.name;
  c.index_ = index;
  c.arrayItem_ = arrayItem;
  entry.items.push_back(&c);
}
