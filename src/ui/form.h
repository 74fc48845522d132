#pragma once
// The main window's components held as plain state, keyed by their component names.
// Setters report whether anything changed and bump a revision counter, so that a view
// copies only what changed.

#include <cstdint>
#include <algorithm>
#include <functional>
#include <unordered_map>
#include <string>
#include <string_view>
#include <vector>

namespace wattora {

class Component {
 public:
  std::uint64_t Revision() const { return revision_; }
  bool Visible() const { return visible_; }
  bool SetVisible(bool visible) { return Assign(visible_, visible); }
  bool Enabled() const { return enabled_; }
  bool SetEnabled(bool enabled) { return Assign(enabled_, enabled); }

 protected:
  template <typename T, typename U>
  bool Assign(T& member, U&& value) {
    if (member == value) return false;
    member = std::forward<U>(value);
    ++revision_;
    return true;
  }

 private:
  std::uint64_t revision_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
};

// An edit field: its text, the maximum number of characters a user may type, and, for
// numeric inputs, the position of the parameter-table entry it is bound to (0 while unbound).
class TextField : public Component {
 public:
  const std::string& Text() const { return text_; }
  bool SetText(std::string_view text) { return Assign(text_, std::string(text)); }
  bool Empty() const { return text_.empty(); }
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
  std::uint16_t Binding() const { return binding_; }
  void SetBinding(std::uint16_t position) { binding_ = position; }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

 private:
  std::string text_;
  int maxLength_ = 0;  // 0: no limit
  std::uint16_t binding_ = 0;
  bool readOnly_ = false;
};

// A multi-line text (memo): one string per line.
class Memo : public Component {
 public:
  const std::vector<std::string>& Lines() const { return lines_; }
  bool SetLines(std::vector<std::string> lines) { return Assign(lines_, std::move(lines)); }

 private:
  std::vector<std::string> lines_;
};

class Label : public Component {
 public:
  const std::string& Caption() const { return caption_; }
  bool SetCaption(std::string_view caption) { return Assign(caption_, std::string(caption)); }

 private:
  std::string caption_;
};

// Check boxes and radio buttons. Radio buttons of one group exclude each other; the form
// keeps that rule when one of them is checked.
class Choice : public Component {
 public:
  bool Checked() const { return checked_; }
  const std::string& Caption() const { return caption_; }
  bool SetCaption(std::string_view caption) { return Assign(caption_, std::string(caption)); }
  const std::string& Group() const { return group_; }

 private:
  friend class Form;
  bool SetCheckedRaw(bool checked) { return Assign(checked_, checked); }
  bool checked_ = false;
  std::string caption_;
  std::string group_;  // empty: a check box
};

// Panels, pages and screens: only their visibility matters to the core.
class Panel : public Component {};

class PageControl : public Component {
 public:
  int ActivePage() const { return activePage_; }
  bool SetActivePage(int page) { return Assign(activePage_, page); }
  int PageCount() const { return pageCount_; }
  void SetPageCount(int count) { pageCount_ = count; }

 private:
  int activePage_ = 0;
  int pageCount_ = 0;
};

class Form {
 public:
  TextField& AddField(std::string name, int maxLength = 0);
  Memo& AddMemo(std::string name);
  Label& AddLabel(std::string name, std::string_view caption = {});
  Choice& AddCheckBox(std::string name, bool checked = false);
  Choice& AddRadioButton(std::string name, std::string group, bool checked = false);
  Panel& AddPanel(std::string name, bool visible = true);
  PageControl& AddPageControl(std::string name, int pageCount);

  // Lookups of a name that was never added are programming errors and throw
  // std::logic_error.
  TextField& Field(std::string_view name);
  const TextField& Field(std::string_view name) const;
  Memo& MemoNamed(std::string_view name);
  const Memo& MemoNamed(std::string_view name) const;
  Label& LabelNamed(std::string_view name);
  const Label& LabelNamed(std::string_view name) const;
  Choice& ChoiceNamed(std::string_view name);
  const Choice& ChoiceNamed(std::string_view name) const;
  Panel& PanelNamed(std::string_view name);
  const Panel& PanelNamed(std::string_view name) const;
  PageControl& Pages(std::string_view name);
  const PageControl& Pages(std::string_view name) const;

  bool HasField(std::string_view name) const { return fields_.contains(name); }
  bool HasLabel(std::string_view name) const { return labels_.contains(name); }
  bool HasChoice(std::string_view name) const { return choices_.contains(name); }

  // Checks a check box, or checks a radio button and unchecks the others of its group.
  // Returns whether anything changed.
  bool SetChecked(std::string_view name, bool checked);
  bool Checked(std::string_view name) const { return ChoiceNamed(name).Checked(); }

  const std::string& Text(std::string_view field) const { return Field(field).Text(); }
  bool SetText(std::string_view field, std::string_view text) { return Field(field).SetText(text); }
  bool SetCaption(std::string_view label, std::string_view caption) {
    return LabelNamed(label).SetCaption(caption);
  }
  bool Visible(std::string_view panel) const { return PanelNamed(panel).Visible(); }
  bool SetVisible(std::string_view panel, bool visible) {
    return PanelNamed(panel).SetVisible(visible);
  }

  // In the order of the names.
  template <typename F>
  void ForEachField(F&& f) const {
    for (const auto* entry : Sorted(fields_)) f(entry->first, entry->second);
  }
  template <typename F>
  void ForEachLabel(F&& f) const {
    for (const auto* entry : Sorted(labels_)) f(entry->first, entry->second);
  }

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
  };
  // Handlers look components up by name on every recalculation: hashed, not ordered.
  template <typename T>
  using Named = std::unordered_map<std::string, T, NameHash, std::equal_to<>>;

  template <typename T>
  static std::vector<const typename Named<T>::value_type*> Sorted(const Named<T>& named) {
    std::vector<const typename Named<T>::value_type*> entries;
    entries.reserve(named.size());
    for (const auto& entry : named) entries.push_back(&entry);
    std::sort(entries.begin(), entries.end(), [](auto* a, auto* b) { return a->first < b->first; });
    return entries;
  }

  Named<TextField> fields_;
  Named<Memo> memos_;
  Named<Label> labels_;
  Named<Choice> choices_;
  Named<Panel> panels_;
  Named<PageControl> pageControls_;
};

}  // namespace wattora
