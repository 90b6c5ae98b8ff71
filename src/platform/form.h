#pragma once
// A window or an embedded frame of the logic: a named registry of its controls, its caption,
// size, visibility and keyboard focus, and its key handlers.
#include <string>
#include <vector>

#include "platform/controls.h"

namespace qv {

// Where a window goes when it is shown: at its Left and Top (the top-left corner of its frame),
// in the middle of the screen, or in the middle of the window it belongs to (the main window).
enum class Placement { AtPosition, CentredOnScreen, CentredOnOwner };

// The mouse cursor a window shows: the normal arrow, the hourglass of long work, or the drag
// cursor of a click still to be placed.
enum class Cursor { Normal, Busy, Drag };

// "F2", "Ctrl+K", "Alt+1": the text of a key as menu shortcuts are written.
std::string KeyText(Key key, ShiftState shift);

class Form {
 public:
  // className is the window's class ("TForm1", "TFrame4"); name the instance's name
  // ("Form1", "Frame41"), by which an embedding window addresses a frame.
  Form(std::string className, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& ClassName() const { return className_; }
  const std::string& Name() const { return name_; }

  const std::vector<Control*>& Controls() const { return controls_; }
  // The control of that name, or nullptr.
  Control* Find(const std::string& name) const;
  // Embedded frames, addressed as "Frame41.Button1".
  void AddFrame(Form& frame);
  const std::vector<Form*>& Frames() const { return frames_; }
  Form* FindFrame(const std::string& name) const;
  // "NAME" or "FRAME.NAME".
  Control* FindPath(const std::string& path) const;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Visible() const { return visible_; }
  // Showing runs OnShow the first time the form becomes visible.
  void Show();
  void Hide();
  int Left() const { return left_; }
  int Top() const { return top_; }
  void SetPosition(int left, int top);
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetSize(int width, int height);
  // Applied every time the window is shown.
  Placement Place = Placement::AtPosition;
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool onTop);
  // The cursor of the window (a frame sets the cursor of the window it is embedded in).
  Cursor GetCursor() const { return host_ ? host_->GetCursor() : cursor_; }
  void SetCursor(Cursor cursor);
  // Runs at once whenever the caption or the cursor changes, also in the middle of a long
  // handler, so that a front end can show the progress texts and the hourglass meanwhile.
  Handler OnCaptionOrCursor;

  // The control that owns the keyboard (for a frame: in the window that embeds it). Moving the
  // focus runs OnExit of the old control and OnEnter of the new one.
  Control* ActiveControl() const { return host_ ? host_->ActiveControl() : active_; }
  void SetFocus(Control& control);

  // Runs the enabled menu item whose shortcut is this key; answers whether there was one.
  bool RunMenuShortcut(Key key, ShiftState shift);

  // Key handlers; each answers whether it used the key. After a key down the form used, no key
  // press follows; a key the form did not use goes on to the focused control.
  virtual bool FormKeyDown(Key key, ShiftState shift);
  virtual bool FormKeyPress(char32_t ch);

  Handler OnShow;
  // Runs when a shown form is hidden (a dialog closed).
  Handler OnHide;

  // The modifier keys held during the click being handled (a Ctrl+click asks for more).
  ShiftState ClickShift() const { return clickShift_; }
  void SetClickShift(ShiftState shift) { clickShift_ = shift; }

  // Form-level properties changed since the binder last looked.
  bool Dirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }

 private:
  friend class Control;
  void Register(Control& control);
  void Unregister(Control& control);
  void MarkDirty() { dirty_ = true; }

  std::string className_;
  std::string name_;
  std::vector<Control*> controls_;
  std::vector<Form*> frames_;
  std::string caption_;
  bool visible_ = false;
  bool shownOnce_ = false;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool stayOnTop_ = false;
  Cursor cursor_ = Cursor::Normal;
  Control* active_ = nullptr;
  Form* host_ = nullptr;  // the window a frame is embedded in
  ShiftState clickShift_;
  bool dirty_ = true;
};

// Shows the busy cursor on the form's window for as long as it lives.
class BusyCursor {
 public:
  explicit BusyCursor(Form& form) : form_(form), saved_(form.GetCursor()) {
    form_.SetCursor(Cursor::Busy);
  }
  ~BusyCursor() { form_.SetCursor(saved_); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  Form& form_;
  Cursor saved_;
};

}  // namespace qv
