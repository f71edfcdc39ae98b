#include "windows/form.h"

#include "windows/dispatch.h"

const char* FormName(FormId id) {
  switch (id) {
    case FormId::Main_F:
      return "Main_F";
    case FormId::Area_F:
      return "Area_F";
    case FormId::Point_F:
      return "Point_F";
    case FormId::Black_or_Red_F:
      return "Black_or_Red_F";
    case FormId::Total_F:
      return "Total_F";
    case FormId::Log_F:
      return "Log_F";
    case FormId::Save_Load_F:
      return "Save_Load_F";
    case FormId::Version_F:
      return "Version_F";
    case FormId::Stats_F:
      return "Stats_F";
  }
  return "";
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
