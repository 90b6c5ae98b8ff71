#pragma once
// Counts the actions running while it lives: a window asks whether its counter is above 0 to
// know that one of its own actions is under way.

namespace qv {

class CountingScope {
 public:
  explicit CountingScope(int& count) : count_(++count) {}
  ~CountingScope() { --count_; }
  CountingScope(const CountingScope&) = delete;
  CountingScope& operator=(const CountingScope&) = delete;

 private:
  int& count_;
};

}  // namespace qv
