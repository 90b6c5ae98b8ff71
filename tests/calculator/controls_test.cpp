// The control model fires events the way the calculator's cascades rely on.
#include <gtest/gtest.h>

#include "platform/form.h"

namespace {

struct Panel : qv::Form {
  Panel() : Form("TPanel", "Panel1") {}
  qv::Edit Edit1{*this, "Edit1"};
  qv::CheckBox Check1{*this, "Check1"};
  qv::RadioButton RadioA{*this, "RadioA"}, RadioB{*this, "RadioB"};
  qv::SpinEdit Spin{*this, "Spin", 0, 15};
  qv::Button R1{*this, "R1"}, R2{*this, "R2"};
  qv::ComboBox Combo{*this, "Combo"};
  qv::MenuItem Menu{*this, "Menu", "Menü"};
  qv::MenuItem ItemA{*this, "ItemA", "A", &Menu, "F2"}, ItemB{*this, "ItemB", "B", &Menu};
};

TEST(ControlModel, SettersFireTheirEventsOnlyOnChange) {
  Panel p;
  int changes = 0, clicks = 0, spins = 0;
  p.Edit1.OnChange = [&] { ++changes; };
  p.Check1.OnClick = [&] { ++clicks; };
  p.Spin.OnChange = [&] { ++spins; };
  p.Edit1.SetText("a");
  p.Edit1.SetText("a");
  p.Check1.SetChecked(true);
  p.Check1.SetChecked(true);
  p.Check1.Click();
  p.Spin.SetValue(3);
  p.Spin.SetText("3");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(p.Check1.Checked());
  EXPECT_EQ(spins, 1);
}

TEST(ControlModel, RadioButtonsAndSpeedButtonsExcludeEachOther) {
  Panel p;
  int clicksA = 0;
  p.RadioA.OnClick = [&] { ++clicksA; };
  p.RadioA.SetChecked(true);
  p.RadioB.SetChecked(true);
  EXPECT_FALSE(p.RadioA.Checked());
  p.RadioA.Click();
  EXPECT_TRUE(p.RadioA.Checked());
  EXPECT_FALSE(p.RadioB.Checked());
  EXPECT_EQ(clicksA, 2);
  p.R1.GroupIndex = p.R2.GroupIndex = 1;
  p.R1.Click();
  p.R2.Click();
  EXPECT_FALSE(p.R1.Down());
  EXPECT_TRUE(p.R2.Down());
}

TEST(ControlModel, DirtyTrackingAndLookupByPath) {
  Panel p;
  for (qv::Control* c : p.Controls()) c->ClearDirty();
  p.ClearDirty();
  p.Edit1.SetText("x");
  EXPECT_TRUE(p.Edit1.Dirty());
  EXPECT_FALSE(p.Check1.Dirty());
  EXPECT_TRUE(p.Dirty());
  qv::Form outer("TOuter", "Outer");
  outer.AddFrame(p);
  EXPECT_EQ(outer.FindPath("Panel1.Edit1"), &p.Edit1);
  EXPECT_EQ(outer.FindPath("Panel1.Nothing"), nullptr);
}

TEST(ControlModel, FocusRunsExitAndEnterAndShortcutsRunMenuItems) {
  Panel p;
  std::string trace;
  p.Edit1.OnEnter = [&] { trace += "enter;"; };
  p.Edit1.OnExit = [&] { trace += "exit;"; };
  p.SetFocus(p.Edit1);
  p.SetFocus(p.Check1);
  EXPECT_EQ(trace, "enter;exit;");
  int runs = 0;
  p.ItemA.OnClick = [&] { ++runs; };
  EXPECT_TRUE(p.RunMenuShortcut(qv::Key::F2, {}));
  EXPECT_FALSE(p.RunMenuShortcut(qv::Key::F2, {false, true, false}));
  p.ItemA.SetEnabled(false);
  EXPECT_FALSE(p.RunMenuShortcut(qv::Key::F2, {}));
  EXPECT_EQ(runs, 1);
}

TEST(ControlModel, RadioMenuItemsKeepOneCheckMark) {
  Panel p;
  p.ItemA.RadioItem = p.ItemB.RadioItem = true;
  p.ItemA.SetChecked(true);
  p.ItemB.SetChecked(true);
  EXPECT_FALSE(p.ItemA.Checked());
  EXPECT_TRUE(p.ItemB.Checked());
}

TEST(ControlModel, ComboBoxTextFollowsTheChosenItem) {
  Panel p;
  int changes = 0;
  p.Combo.OnChange = [&] { ++changes; };
  p.Combo.SetItems({"a", "b"});
  p.Combo.SetItemIndex(1);
  EXPECT_EQ(p.Combo.Text(), "b");
  EXPECT_EQ(changes, 0);
  p.Combo.Select(0);
  EXPECT_EQ(p.Combo.Text(), "a");
  p.Combo.SetText("b");
  EXPECT_EQ(p.Combo.ItemIndex(), 1);
  EXPECT_EQ(changes, 2);
}

}  // namespace
