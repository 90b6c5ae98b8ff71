#include "platform/controls.h"

#include "platform/form.h"

namespace qv {

Control::Control(Form& owner, std::string name, ControlKind kind)
    : owner_(owner), name_(std::move(name)), kind_(kind) {
  owner_.Register(*this);
}

Control::~Control() {
  owner_.Unregister(*this);
}

void Control::MarkDirty() {
  dirty_ = true;
  owner_.MarkDirty();
}

void Control::SetText(const std::string& text) {
  if (text_ == text) return;
  text_ = text;
  MarkDirty();
}

void Control::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  MarkDirty();
}

void Control::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  MarkDirty();
}

void Control::SetHint(const std::string& hint) {
  if (hint_ == hint) return;
  hint_ = hint;
  MarkDirty();
}

void Control::SetColor(int32_t rgb) {
  if (color_ == rgb) return;
  color_ = rgb;
  MarkDirty();
}

void Control::SetSelection(int start, int length) {
  NoteSelection(start, length);
  selectionRequested_ = true;
  MarkDirty();
}

void Control::NoteSelection(int start, int length) {
  selStart_ = start;
  selLength_ = length;
}

void Control::Click() {
  Fire(OnClick);
}

void Control::DblClick() {
  Fire(OnDblClick);
}

void Control::RightClick() {
  Fire(OnContextPopup);
}

void Control::DragDrop(Control& source) {
  if (OnDragDrop) OnDragDrop(source);
}

void Button::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  MarkDirty();
}

void Button::Click() {
  if (GroupIndex != 0) {
    if (down_ && AllowAllUp) {
      SetDown(false);
    } else {
      for (Control* c : Owner().Controls()) {
        auto* other = dynamic_cast<Button*>(c);
        if (other && other != this && other->GroupIndex == GroupIndex) other->SetDown(false);
      }
      SetDown(true);
    }
  }
  Fire(OnClick);
}

void Edit::SetText(const std::string& text) {
  if (text_ == text) return;
  Control::SetText(text);
  Fire(OnChange);
}

void Edit::SetReadOnly(bool readOnly) {
  if (readOnly_ == readOnly) return;
  readOnly_ = readOnly;
  MarkDirty();
}

void CheckBox::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  MarkDirty();
  Fire(OnClick);
}

void CheckBox::Click() {
  SetChecked(!checked_);
}

void RadioButton::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  MarkDirty();
  if (!checked) return;
  for (Control* c : Owner().Controls()) {
    auto* other = dynamic_cast<RadioButton*>(c);
    if (other && other != this && other->group_ == group_ && other->checked_) {
      other->checked_ = false;
      other->MarkDirty();
    }
  }
  Fire(OnClick);
}

// A click on a radio button that is already checked still runs its handler.
void RadioButton::Click() {
  if (checked_)
    Fire(OnClick);
  else
    SetChecked(true);
}

void ListControl::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  MarkDirty();
}

void ListControl::AddItem(const std::string& item) {
  items_.push_back(item);
  MarkDirty();
}

void ListControl::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  MarkDirty();
}

void ListControl::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (itemIndex_ == index) return;
  itemIndex_ = index;
  MarkDirty();
}

void ListControl::Select(int index) {
  SetItemIndex(index);
  Fire(OnChange);
  Fire(OnClick);
}

void ComboBox::SetItemIndex(int index) {
  ListControl::SetItemIndex(index);
  Control::SetText(itemIndex_ >= 0 ? items_[itemIndex_] : std::string());
}

void PageControl::SetItemIndex(int index) {
  ListControl::SetItemIndex(index);
  Control::SetText(itemIndex_ >= 0 ? items_[itemIndex_] : std::string());
}

void ComboBox::Select(int index) {
  SetItemIndex(index);
  Fire(OnChange);
  Fire(OnClick);
}

void ComboBox::SetText(const std::string& text) {
  if (text_ == text) return;
  Control::SetText(text);
  int found = -1;
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i] == text) found = static_cast<int>(i);
  ListControl::SetItemIndex(found);
  Fire(OnChange);
}

SpinEdit::SpinEdit(Form& owner, std::string name, int minValue, int maxValue, int value)
    : Control(owner, std::move(name), ControlKind::SpinEdit),
      min_(minValue),
      max_(maxValue),
      value_(value) {
  text_ = std::to_string(value);
}

void SpinEdit::SetValue(int value) {
  if (value_ == value) return;
  value_ = value;
  Control::SetText(std::to_string(value));
  Fire(OnChange);
}

void SpinEdit::SetText(const std::string& text) {
  int value = 0;
  try {
    value = std::stoi(text);
  } catch (const std::exception&) {
    value = 0;
  }
  SetValue(value);
}

MenuItem::MenuItem(Form& owner, std::string name, std::string caption, Control* parent,
                   std::string shortcut)
    : Control(owner, std::move(name), ControlKind::MenuItem),
      parent_(parent),
      shortcut_(std::move(shortcut)) {
  text_ = std::move(caption);
}

void MenuItem::SetChecked(bool checked) {
  if (checked_ == checked) return;
  checked_ = checked;
  MarkDirty();
  if (!checked || !RadioItem) return;
  for (Control* c : Owner().Controls()) {
    auto* other = dynamic_cast<MenuItem*>(c);
    if (other && other != this && other->RadioItem && other->GroupIndex == GroupIndex &&
        other->parent_ == parent_)
      other->SetChecked(false);
  }
}

void MenuItem::Click() {
  if (!Enabled()) return;
  if (AutoCheck) SetChecked(RadioItem ? true : !checked_);
  Fire(OnClick);
}

void Image::SetPicture(const PixelView& picture) {
  picture_ = picture;
  MarkDirty();
}

void Image::MouseDown(MouseButton button, int x, int y) {
  if (OnMouseDownAt) OnMouseDownAt(button, x, y);
}

void Image::MouseMove(int x, int y, bool leftHeld) {
  if (OnMouseMoveAt) OnMouseMoveAt(x, y, leftHeld);
}

void Image::MouseUp(MouseButton button, int x, int y) {
  if (OnMouseUpAt) OnMouseUpAt(button, x, y);
}

}  // namespace qv
