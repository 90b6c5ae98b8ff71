#pragma once
// The main window's design size at 100 %: the calculator region alone. Panels add their own
// size to it; the window is always set to these plus a panel's size, never grown by steps.
namespace qv {

constexpr int kBaseWidth = 251;
constexpr int kBaseHeight = 420;

}  // namespace qv
