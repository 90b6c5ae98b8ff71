#pragma once
// The virtual control model: what a user can see of a window, held by the logic. A form owns
// its controls as typed members; each registers itself by name so that the Qt binder and the
// script driver find it. Setting a property that fires an event in a classic component model
// fires it here too (an Edit's text runs its change handler, a CheckBox's checked state its
// click handler), so the cascades the behaviour relies on happen by themselves. Every change
// marks the control dirty; the binder pushes only dirty controls to the toolkit.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/keys.h"

namespace qv {

class Form;

using Handler = std::function<void()>;

enum class ControlKind {
  Label,
  Button,
  Edit,
  CheckBox,
  RadioButton,
  ComboBox,
  ListBox,
  MenuItem,
  PopupMenu,
  SpinEdit,
  RichEdit,
  PageControl,
  Image,
  GroupBox,
  DatePicker,
  Grid,
};

// Colours as 0xRRGGBB; kDefaultColor leaves the look to the front end.
constexpr int32_t kDefaultColor = -1;

class Control {
 public:
  Control(Form& owner, std::string name, ControlKind kind);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  Form& Owner() const { return owner_; }

  // Caption of a label, button, check box or menu item; text of an edit or combo box.
  const std::string& Text() const { return text_; }
  virtual void SetText(const std::string& text);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  int32_t Color() const { return color_; }
  void SetColor(int32_t rgb);
  // Whether the Tab key stops at the control (a mouse click still gives it the keyboard).
  bool TabStop = true;

  // The caret and the selection in the text of an edit or combo box, in characters from 0.
  int SelStart() const { return selStart_; }
  int SelLength() const { return selLength_; }
  // Selects a part of the text as the logic wants it shown.
  void SetSelection(int start, int length);
  // The caret and selection the user left; this changes nothing on the screen.
  void NoteSelection(int start, int length);
  // Set by SetSelection until the view has shown the selection.
  bool SelectionRequested() const { return selectionRequested_; }
  void ClearSelectionRequest() { selectionRequested_ = false; }

  // Events, wired by the form that owns the control.
  Handler OnClick;
  Handler OnDblClick;
  Handler OnChange;
  Handler OnEnter;
  Handler OnExit;
  Handler OnMouseDown;     // left button pressed (drag start)
  Handler OnContextPopup;  // right click, before the control's context menu opens
  Handler OnMouseMove;     // the mouse pointer enters or moves over the control
  // Pressing the left mouse button on the control and moving starts dragging it.
  bool DragOnPress = false;
  // Something the user dragged (a field display) was dropped onto the control.
  std::function<void(Control& source)> OnDragDrop;
  // The popup menu a right click opens, if any.
  Control* ContextMenu = nullptr;

  // What a user does: the driver and the binder call these.
  virtual void Click();
  void DblClick();
  void RightClick();
  void DragDrop(Control& source);

  bool Dirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }

  // A box that takes typed keys while it has the keyboard: an edit, combo, list or spin box, a
  // rich-text editor.
  bool TakesTypedKeys() const;

 protected:
  void MarkDirty();
  static void Fire(const Handler& h) {
    if (h) h();
  }
  std::string text_;

 private:
  Form& owner_;
  std::string name_;
  ControlKind kind_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  int32_t color_ = kDefaultColor;
  int selStart_ = 0, selLength_ = 0;
  bool selectionRequested_ = false;
  bool dirty_ = true;
};

class Label : public Control {
 public:
  Label(Form& owner, std::string name, std::string caption = "")
      : Control(owner, std::move(name), ControlKind::Label) {
    text_ = std::move(caption);
  }
};

// A push button, or a speed button that stays down while its group index is set.
class Button : public Control {
 public:
  Button(Form& owner, std::string name, std::string caption = "")
      : Control(owner, std::move(name), ControlKind::Button) {
    text_ = std::move(caption);
  }
  bool Down() const { return down_; }
  void SetDown(bool down);
  // Speed buttons of one group: clicking one puts it down and the others up. With
  // AllowAllUp a down button of a one-button group goes up again on a click.
  int GroupIndex = 0;
  bool AllowAllUp = false;
  void Click() override;

 private:
  bool down_ = false;
};

class Edit : public Control {
 public:
  Edit(Form& owner, std::string name, std::string text = "")
      : Control(owner, std::move(name), ControlKind::Edit) {
    text_ = std::move(text);
  }
  // Setting the text fires OnChange when it differs.
  void SetText(const std::string& text) override;
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  // Keys typed while the edit owns the keyboard: the handler may swallow a key by setting it
  // to '\0'.
  std::function<void(char32_t& key)> OnKeyPress;
  // Keys pressed and released while the edit has the keyboard, also those that type nothing
  // (the keypad's plus and minus, Enter); a press comes before its character.
  std::function<void(Key key)> OnKeyDown;
  std::function<void(Key key)> OnKeyUp;

 private:
  bool readOnly_ = false;
};

class CheckBox : public Control {
 public:
  CheckBox(Form& owner, std::string name, std::string caption = "")
      : Control(owner, std::move(name), ControlKind::CheckBox) {
    text_ = std::move(caption);
  }
  bool Checked() const { return checked_; }
  // Setting a new checked state fires OnClick.
  void SetChecked(bool checked);
  // A user's click toggles the state (and so fires OnClick once).
  void Click() override;

 private:
  bool checked_ = false;
};

// Radio buttons of one form and group exclude each other.
class RadioButton : public Control {
 public:
  RadioButton(Form& owner, std::string name, std::string caption = "", int group = 0)
      : Control(owner, std::move(name), ControlKind::RadioButton), group_(group) {
    text_ = std::move(caption);
  }
  bool Checked() const { return checked_; }
  // Checking fires OnClick and unchecks the others of the group; unchecking fires nothing.
  void SetChecked(bool checked);
  void Click() override;
  int Group() const { return group_; }

 private:
  bool checked_ = false;
  int group_;
};

class ListControl : public Control {
 public:
  using Control::Control;
  const std::vector<std::string>& Items() const { return items_; }
  void SetItems(std::vector<std::string> items);
  void AddItem(const std::string& item);
  void ClearItems();
  int ItemIndex() const { return itemIndex_; }
  // Setting the index by program fires nothing.
  virtual void SetItemIndex(int index);
  // A user's choice: sets the index and fires OnChange then OnClick.
  virtual void Select(int index);

 protected:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

class ComboBox : public ListControl {
 public:
  ComboBox(Form& owner, std::string name)
      : ListControl(owner, std::move(name), ControlKind::ComboBox) {}
  // The text follows the chosen item.
  void SetItemIndex(int index) override;
  void Select(int index) override;
  // Typing into the box: sets the text and fires OnChange.
  void SetText(const std::string& text) override;
};

class ListBox : public ListControl {
 public:
  ListBox(Form& owner, std::string name)
      : ListControl(owner, std::move(name), ControlKind::ListBox) {}
};

// Pages of a tab control: the items are the page captions, the index the page shown.
class PageControl : public ListControl {
 public:
  PageControl(Form& owner, std::string name)
      : ListControl(owner, std::move(name), ControlKind::PageControl) {}
  // The text is the caption of the page shown.
  void SetItemIndex(int index) override;
};

// A frame around controls that belong together; its text is the caption in the frame.
class GroupBox : public Control {
 public:
  GroupBox(Form& owner, std::string name, std::string caption = "")
      : Control(owner, std::move(name), ControlKind::GroupBox) {
    text_ = std::move(caption);
  }
};

// A calendar date chosen from a drop-down month view. The date is a day number (dates.h); the
// text is the date as "dd.mm.yyyy". Only a date the user picks fires OnChange.
class DatePicker : public Control {
 public:
  DatePicker(Form& owner, std::string name)
      : Control(owner, std::move(name), ControlKind::DatePicker) {
    SetDate(0);
  }
  int Date() const { return date_; }
  // Setting the date by program fires nothing.
  void SetDate(int dayNumber);
  // A "tt.mm.jj" or "tt.mm.jjjj" text set by program; raises "'%s' ist kein gültiges Datum".
  void SetText(const std::string& text) override;
  // What a user does: picks a date, which fires OnChange when it differs.
  void Pick(int dayNumber);

 private:
  int date_ = -1;
};

// A grid of texts whose fixed rows on top (the header) and fixed columns on the left (the row
// numbers) the user cannot edit. Cells are addressed (row, col) from 0, fixed ones included.
class Grid : public Control {
 public:
  Grid(Form& owner, std::string name, int colCount, int rowCount, int fixedRows = 1,
       int fixedCols = 1);
  int RowCount() const { return static_cast<int>(cells_.size()); }
  int ColCount() const { return colCount_; }
  int FixedRows() const { return fixedRows_; }
  int FixedCols() const { return fixedCols_; }
  // New rows come empty at the end; rows beyond the count are dropped with their texts.
  void SetRowCount(int rowCount);
  // New columns come empty at the right, 64 wide and aligned at the left; columns beyond the
  // count are dropped with their texts.
  void SetColCount(int colCount);
  // "" outside the grid.
  const std::string& Cell(int row, int col) const;
  // Setting a cell by program fires nothing; a cell outside the grid is ignored.
  void SetCell(int row, int col, const std::string& text);
  int ColWidth(int col) const { return widths_[col]; }
  void SetColWidth(int col, int width);
  // Whether the texts of a column stand at its right edge (amounts), as the front end shows them.
  bool RightAligned(int col) const { return rightAligned_[col]; }
  void SetRightAligned(int col, bool right);
  // Whether the user may edit the cells that are not fixed.
  bool Editable() const { return editable_; }
  void SetEditable(bool editable);

  // The cell that has the caret.
  int Row() const { return row_; }
  int Col() const { return col_; }
  void SetCurrentCell(int row, int col);

  // Keys typed into the current cell: the handler may change a key or swallow it by setting it
  // to '\0'. Keys pressed while the grid has the keyboard, also those that type nothing.
  std::function<void(char32_t& key)> OnKeyPress;
  std::function<void(Key key)> OnKeyDown;

  // What a user does. Typing a text into a cell that is not fixed: the cell becomes current and
  // each character passes OnKeyPress before it is appended. Finishing an edit in a cell with a
  // text (the toolkit's editor has already passed the keys): the cell takes the text.
  void TypeIntoCell(int row, int col, const std::string& text);
  void EditCell(int row, int col, const std::string& text);

 private:
  bool IsEditableCell(int row, int col) const;
  int colCount_;
  int fixedRows_, fixedCols_;
  std::vector<std::vector<std::string>> cells_;
  std::vector<int> widths_;
  std::vector<bool> rightAligned_;
  bool editable_ = true;
  int row_, col_;
};

class SpinEdit : public Control {
 public:
  SpinEdit(Form& owner, std::string name, int minValue, int maxValue, int value = 0);
  int Value() const { return value_; }
  // Setting a different value fires OnChange. The value is not clamped here: as in the
  // classic component, the change handler decides what to do with it.
  void SetValue(int value);
  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  // Typing a text into the spinner: its integer value (0 when it is none).
  void SetText(const std::string& text) override;
  // Keys pressed while the spinner has the keyboard; with a handler set they type nothing.
  std::function<void(Key key)> OnKeyDown;

 private:
  int min_, max_;
  int value_;
};

// A rich-text editor whose document the logic keeps elsewhere (the tape view): the control
// carries only its name, focus, popup menu and events.
class RichEdit : public Control {
 public:
  RichEdit(Form& owner, std::string name)
      : Control(owner, std::move(name), ControlKind::RichEdit) {}
};

// The pixels of a picture as 32-bit words 0xAARRGGBB with an opaque alpha, row by row.
struct PixelView {
  const uint32_t* pixels = nullptr;
  int width = 0, height = 0;
  int stride = 0;  // bytes from the start of one row to the next
};

enum class MouseButton { Left, Right };

// A drawing area: shows a picture whose memory its drawer keeps, and reports the mouse in
// pixels of that picture (0, 0 top left).
class Image : public Control {
 public:
  Image(Form& owner, std::string name) : Control(owner, std::move(name), ControlKind::Image) {}
  const PixelView& Picture() const { return picture_; }
  void SetPicture(const PixelView& picture);
  // The drawer changed pixels: the front end shows the picture anew.
  void PictureChanged() { MarkDirty(); }

  std::function<void(MouseButton button, int x, int y)> OnMouseDownAt;
  std::function<void(MouseButton button, int x, int y)> OnMouseUpAt;
  std::function<void(int x, int y, bool leftHeld)> OnMouseMoveAt;
  void MouseDown(MouseButton button, int x, int y);
  void MouseMove(int x, int y, bool leftHeld);
  void MouseUp(MouseButton button, int x, int y);

 private:
  PixelView picture_;
};

class PopupMenu : public Control {
 public:
  PopupMenu(Form& owner, std::string name)
      : Control(owner, std::move(name), ControlKind::PopupMenu) {}
  // Fired before the menu shows (OnPopup); Click() shows it.
};

// A menu item of the main menu (parent nullptr for a top-level menu) or of a popup menu.
class MenuItem : public Control {
 public:
  MenuItem(Form& owner, std::string name, std::string caption, Control* parent = nullptr,
           std::string shortcut = "");
  Control* Parent() const { return parent_; }
  const std::string& ShortCut() const { return shortcut_; }
  bool IsSeparator() const { return text_ == "-"; }
  bool Checked() const { return checked_; }
  // Setting the checked state fires nothing (as a menu item's Checked property).
  void SetChecked(bool checked);
  // Items of one radio group: checking one by AutoCheck unchecks the others.
  int GroupIndex = 0;
  bool RadioItem = false;
  bool AutoCheck = false;
  void Click() override;

 private:
  Control* parent_;
  std::string shortcut_;
  bool checked_ = false;
};

}  // namespace qv
