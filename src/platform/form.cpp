#include "platform/form.h"

#include <algorithm>

namespace qv {

Form::Form(std::string className, std::string name)
    : className_(std::move(className)), name_(std::move(name)) {}

Form::~Form() = default;

void Form::Register(Control& control) {
  controls_.push_back(&control);
}

void Form::Unregister(Control& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (active_ == &control) active_ = nullptr;
}

Control* Form::Find(const std::string& name) const {
  for (Control* c : controls_)
    if (c->Name() == name) return c;
  return nullptr;
}

void Form::AddFrame(Form& frame) {
  frames_.push_back(&frame);
  frame.host_ = this;
}

Form* Form::FindFrame(const std::string& name) const {
  for (Form* f : frames_)
    if (f->Name() == name) return f;
  return nullptr;
}

Control* Form::FindPath(const std::string& path) const {
  const auto dot = path.find('.');
  if (dot == std::string::npos) return Find(path);
  const Form* frame = FindFrame(path.substr(0, dot));
  return frame ? frame->FindPath(path.substr(dot + 1)) : nullptr;
}

void Form::SetCaption(const std::string& caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  dirty_ = true;
  if (OnCaptionOrCursor) OnCaptionOrCursor();
}

void Form::SetCursor(Cursor cursor) {
  if (host_) return host_->SetCursor(cursor);
  if (cursor_ == cursor) return;
  cursor_ = cursor;
  dirty_ = true;
  if (OnCaptionOrCursor) OnCaptionOrCursor();
}

void Form::Show() {
  if (!visible_) {
    visible_ = true;
    dirty_ = true;
  }
  if (!shownOnce_) {
    shownOnce_ = true;
    if (OnShow) OnShow();
  }
}

void Form::Hide() {
  if (!visible_) return;
  visible_ = false;
  dirty_ = true;
  if (OnHide) OnHide();
}

void Form::SetPosition(int left, int top) {
  if (left_ == left && top_ == top) return;
  left_ = left;
  top_ = top;
  dirty_ = true;
}

void Form::SetSize(int width, int height) {
  if (width_ == width && height_ == height) return;
  width_ = width;
  height_ = height;
  dirty_ = true;
}

void Form::SetStayOnTop(bool onTop) {
  if (stayOnTop_ == onTop) return;
  stayOnTop_ = onTop;
  dirty_ = true;
}

void Form::SetFocus(Control& control) {
  // A frame's controls take the keyboard in the window that embeds it.
  if (host_) return host_->SetFocus(control);
  if (active_ == &control) return;
  Control* old = active_;
  active_ = &control;
  dirty_ = true;
  if (old && old->OnExit) old->OnExit();
  if (active_ == &control && control.OnEnter) control.OnEnter();
}

std::string KeyText(Key key, ShiftState shift) {
  std::string name;
  const int k = static_cast<int>(key);
  if (key >= Key::D0 && key <= Key::D9) {
    name = std::string(1, static_cast<char>('0' + k - static_cast<int>(Key::D0)));
  } else if (key >= Key::F1 && key <= Key::F12) {
    name = "F" + std::to_string(k - static_cast<int>(Key::F1) + 1);
  } else if (key >= Key::A && key <= Key::Z) {
    name = std::string(1, static_cast<char>('A' + k - static_cast<int>(Key::A)));
  } else {
    return "";
  }
  std::string prefix;
  if (shift.ctrl) prefix += "Ctrl+";
  if (shift.alt) prefix += "Alt+";
  if (shift.shift) prefix += "Shift+";
  return prefix + name;
}

bool Form::RunMenuShortcut(Key key, ShiftState shift) {
  const std::string text = KeyText(key, shift);
  if (text.empty()) return false;
  for (Control* c : controls_) {
    auto* item = dynamic_cast<MenuItem*>(c);
    if (item && item->ShortCut() == text && item->Enabled()) {
      item->Click();
      return true;
    }
  }
  return false;
}

bool Form::FormKeyDown(Key, ShiftState) {
  return false;
}

bool Form::FormKeyPress(char32_t) {
  return false;
}

}  // namespace qv
