#pragma once
// A calendar date as the day number the finance computations take.
#include <gtest/gtest.h>

#include "platform/dates.h"

namespace qv {

inline int Day(int year, int month, int day) {
  int number = 0;
  EXPECT_TRUE(TryEncodeDate(year, month, day, number));
  return number;
}

}  // namespace qv
