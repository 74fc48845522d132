#include "ui/form.h"

#include <stdexcept>

namespace wattora {
namespace {

template <typename Map>
auto& Find(Map& map, std::string_view name, const char* kind) {
  auto it = map.find(name);
  if (it == map.end()) {
    throw std::logic_error(std::string("unknown ") + kind + " '" + std::string(name) + "'");
  }
  return it->second;
}

template <typename Map>
auto& Insert(Map& map, std::string name, const char* kind) {
  auto [it, inserted] = map.try_emplace(std::move(name));
  if (!inserted) {
    throw std::logic_error(std::string(kind) + " '" + it->first + "' added twice");
  }
  return it->second;
}

}  // namespace

TextField& Form::AddField(std::string name, int maxLength) {
  auto& field = Insert(fields_, std::move(name), "field");
  field.SetMaxLength(maxLength);
  return field;
}

Memo& Form::AddMemo(std::string name) { return Insert(memos_, std::move(name), "memo"); }

Label& Form::AddLabel(std::string name, std::string_view caption) {
  auto& label = Insert(labels_, std::move(name), "label");
  label.SetCaption(caption);
  return label;
}

Choice& Form::AddCheckBox(std::string name, bool checked) {
  auto& choice = Insert(choices_, std::move(name), "choice");
  choice.SetCheckedRaw(checked);
  return choice;
}

Choice& Form::AddRadioButton(std::string name, std::string group, bool checked) {
  auto& choice = Insert(choices_, name, "choice");
  choice.group_ = std::move(group);
  if (checked) SetChecked(name, true);
  return choice;
}

Panel& Form::AddPanel(std::string name, bool visible) {
  auto& panel = Insert(panels_, std::move(name), "panel");
  panel.SetVisible(visible);
  return panel;
}

PageControl& Form::AddPageControl(std::string name, int pageCount) {
  auto& pages = Insert(pageControls_, std::move(name), "page control");
  pages.SetPageCount(pageCount);
  return pages;
}

TextField& Form::Field(std::string_view name) { return Find(fields_, name, "field"); }
const TextField& Form::Field(std::string_view name) const { return Find(fields_, name, "field"); }
Memo& Form::MemoNamed(std::string_view name) { return Find(memos_, name, "memo"); }
const Memo& Form::MemoNamed(std::string_view name) const { return Find(memos_, name, "memo"); }
Label& Form::LabelNamed(std::string_view name) { return Find(labels_, name, "label"); }
const Label& Form::LabelNamed(std::string_view name) const { return Find(labels_, name, "label"); }
Choice& Form::ChoiceNamed(std::string_view name) { return Find(choices_, name, "choice"); }
const Choice& Form::ChoiceNamed(std::string_view name) const {
  return Find(choices_, name, "choice");
}
Panel& Form::PanelNamed(std::string_view name) { return Find(panels_, name, "panel"); }
const Panel& Form::PanelNamed(std::string_view name) const { return Find(panels_, name, "panel"); }
PageControl& Form::Pages(std::string_view name) { return Find(pageControls_, name, "page control"); }
const PageControl& Form::Pages(std::string_view name) const {
  return Find(pageControls_, name, "page control");
}

bool Form::SetChecked(std::string_view name, bool checked) {
  Choice& target = ChoiceNamed(name);
  bool changed = target.SetCheckedRaw(checked);
  if (checked && !target.group_.empty()) {
    for (auto& [otherName, other] : choices_) {
      if (&other != &target && other.group_ == target.group_) {
        changed |= other.SetCheckedRaw(false);
      }
    }
  }
  return changed;
}

}  // namespace wattora
