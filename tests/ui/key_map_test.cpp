#include "ui/key_map.h"

#include <gtest/gtest.h>

namespace qv::ui {
namespace {

struct KeyCase {
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  quint32 scanCode;
  Key key;
};

class KeyMapTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyMapTest, MapsTheQtKey) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(MapKey(c.qtKey, c.modifiers, c.scanCode), c.key);
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyMapTest,
    testing::Values(
        // Main keyboard and keypad digits differ.
        KeyCase{Qt::Key_0, kNone, 0, Key::D0}, KeyCase{Qt::Key_9, kNone, 0, Key::D9},
        KeyCase{Qt::Key_0, kPad, 0, Key::Num0}, KeyCase{Qt::Key_7, kPad, 0, Key::Num7},
        KeyCase{Qt::Key_Plus, kPad, 0, Key::NumPlus},
        KeyCase{Qt::Key_Minus, kPad, 0, Key::NumMinus},
        KeyCase{Qt::Key_Asterisk, kPad, 0, Key::NumMultiply},
        KeyCase{Qt::Key_Slash, kPad, 0, Key::NumDivide},
        KeyCase{Qt::Key_Comma, kPad, 0, Key::NumDecimal},
        KeyCase{Qt::Key_Period, kPad, 0, Key::NumDecimal},
        KeyCase{Qt::Key_Enter, kPad, 0, Key::Enter},
        // "+" of the main keyboard is a character only.
        KeyCase{Qt::Key_Plus, kNone, 0, Key::Other},
        // Shift+5 arrives as "%": the hardware code tells the digit key; AltGr keeps the character.
        KeyCase{Qt::Key_Percent, Qt::ShiftModifier, 14, Key::D5},
        KeyCase{Qt::Key_Exclam, Qt::ShiftModifier, 10, Key::D1},
        KeyCase{Qt::Key_0, Qt::AltModifier, 19, Key::D0},
        KeyCase{Qt::Key_BraceLeft, Qt::GroupSwitchModifier, 16, Key::Other},
        KeyCase{Qt::Key_Return, kNone, 0, Key::Enter},
        KeyCase{Qt::Key_Escape, kNone, 0, Key::Escape},
        KeyCase{Qt::Key_Backspace, kNone, 0, Key::Backspace},
        KeyCase{Qt::Key_Delete, kNone, 0, Key::Delete},
        KeyCase{Qt::Key_Insert, kNone, 0, Key::Insert}, KeyCase{Qt::Key_Home, kNone, 0, Key::Home},
        KeyCase{Qt::Key_End, kNone, 0, Key::End}, KeyCase{Qt::Key_PageUp, kNone, 0, Key::PageUp},
        KeyCase{Qt::Key_PageDown, kNone, 0, Key::PageDown}, KeyCase{Qt::Key_Up, kNone, 0, Key::Up},
        KeyCase{Qt::Key_F1, kNone, 0, Key::F1}, KeyCase{Qt::Key_F12, kNone, 0, Key::F12},
        KeyCase{Qt::Key_A, kNone, 0, Key::A}, KeyCase{Qt::Key_K, Qt::ControlModifier, 0, Key::K},
        KeyCase{Qt::Key_Z, Qt::ShiftModifier, 0, Key::Z}));

TEST(MapShiftTest, KeypadIsNoShiftState) {
  const ShiftState s = MapShift(Qt::ControlModifier | Qt::KeypadModifier);
  EXPECT_TRUE(s.ctrl);
  EXPECT_FALSE(s.shift);
  EXPECT_FALSE(s.alt);
  const ShiftState all = MapShift(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  EXPECT_TRUE(all.shift && all.ctrl && all.alt);
}

}  // namespace
}  // namespace qv::ui
