#include "ruvak3/sleep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

using ruvak3::win_emul::Sleep;

// Zero only yields: the fastest of several calls is checked, for busy machines.
TEST(SleepTest, SuspendsForAtLeastTheGivenTimeAndZeroOnlyYields) {
  using Clock = std::chrono::steady_clock;
  const auto start = Clock::now();
  Sleep(30);
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(30));
  auto fastest = Clock::duration::max();
  for (int i = 0; i < 20; ++i) {
    const auto begin = Clock::now();
    Sleep(0);
    fastest = std::min(fastest, Clock::now() - begin);
  }
  EXPECT_LT(fastest, std::chrono::milliseconds(5));
}
