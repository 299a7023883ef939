#include "ruvak3/sleep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

using ruvak3::win_emul::Sleep;

TEST(SleepTest, SuspendsForAtLeastTheGivenTime) {
  const auto start = std::chrono::steady_clock::now();
  Sleep(30);
  EXPECT_GE(std::chrono::steady_clock::now() - start,
            std::chrono::milliseconds(30));
}

TEST(SleepTest, ZeroOnlyYields) {
  // The fastest of several calls, so that a busy machine, which may hand the
  // processor to others at each yield, does not make the check fail.
  auto fastest = std::chrono::steady_clock::duration::max();
  for (int i = 0; i < 20; ++i) {
    const auto start = std::chrono::steady_clock::now();
    Sleep(0);
    fastest = std::min(fastest, std::chrono::steady_clock::now() - start);
  }
  EXPECT_LT(fastest, std::chrono::milliseconds(5));
}
