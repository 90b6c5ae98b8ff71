#include "platform/controls.h"

#include <algorithm>

#include "platform/dates.h"
#include "platform/form.h"
#include "platform/numbers.h"
#include "platform/utf8.h"

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

bool Control::TakesTypedKeys() const {
  switch (kind_) {
    case ControlKind::Edit:
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::SpinEdit:
    case ControlKind::RichEdit:
      return true;
    default:
      return false;
  }
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

void DatePicker::SetDate(int dayNumber) {
  if (date_ == dayNumber) return;
  date_ = dayNumber;
  Control::SetText(DateToStr(dayNumber));
}

void DatePicker::SetText(const std::string& text) {
  SetDate(StrToDate(text));
}

void DatePicker::Pick(int dayNumber) {
  if (date_ == dayNumber) return;
  SetDate(dayNumber);
  Fire(OnChange);
}

Grid::Grid(Form& owner, std::string name, int colCount, int rowCount, int fixedRows, int fixedCols)
    : Control(owner, std::move(name), ControlKind::Grid),
      colCount_(colCount),
      fixedRows_(fixedRows),
      fixedCols_(fixedCols),
      cells_(static_cast<size_t>(rowCount), std::vector<std::string>(colCount)),
      widths_(static_cast<size_t>(colCount), 64),
      rightAligned_(static_cast<size_t>(colCount), false),
      row_(fixedRows),
      col_(fixedCols) {}

void Grid::SetRowCount(int rowCount) {
  rowCount = std::max(rowCount, fixedRows_);
  if (rowCount == RowCount()) return;
  cells_.resize(static_cast<size_t>(rowCount), std::vector<std::string>(colCount_));
  row_ = std::min(row_, rowCount - 1);
  MarkDirty();
}

void Grid::SetColCount(int colCount) {
  colCount = std::max(colCount, fixedCols_);
  if (colCount == colCount_) return;
  colCount_ = colCount;
  for (std::vector<std::string>& row : cells_) row.resize(static_cast<size_t>(colCount));
  widths_.resize(static_cast<size_t>(colCount), 64);
  rightAligned_.resize(static_cast<size_t>(colCount), false);
  col_ = std::min(col_, colCount - 1);
  MarkDirty();
}

const std::string& Grid::Cell(int row, int col) const {
  static const std::string kNone;
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return kNone;
  return cells_[row][col];
}

void Grid::SetCell(int row, int col, const std::string& text) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return;
  if (cells_[row][col] == text) return;
  cells_[row][col] = text;
  MarkDirty();
}

void Grid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_ || widths_[col] == width) return;
  widths_[col] = width;
  MarkDirty();
}

void Grid::SetRightAligned(int col, bool right) {
  if (col < 0 || col >= colCount_ || rightAligned_[col] == right) return;
  rightAligned_[col] = right;
  MarkDirty();
}

void Grid::SetEditable(bool editable) {
  if (editable_ == editable) return;
  editable_ = editable;
  MarkDirty();
}

void Grid::SetCurrentCell(int row, int col) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= colCount_) return;
  if (row_ == row && col_ == col) return;
  row_ = row;
  col_ = col;
  MarkDirty();
}

bool Grid::IsEditableCell(int row, int col) const {
  return editable_ && row >= fixedRows_ && row < RowCount() && col >= fixedCols_ && col < colCount_;
}

void Grid::TypeIntoCell(int row, int col, const std::string& text) {
  if (!IsEditableCell(row, col)) return;
  SetCurrentCell(row, col);
  std::string typed;
  size_t pos = 0;
  while (pos < text.size()) {
    char32_t key = NextCodePoint(text, pos);
    if (OnKeyPress) OnKeyPress(key);
    if (key) AppendUtf8(typed, key);
  }
  SetCell(row, col, typed);
}

void Grid::EditCell(int row, int col, const std::string& text) {
  if (!IsEditableCell(row, col)) return;
  SetCurrentCell(row, col);
  SetCell(row, col, text);
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
