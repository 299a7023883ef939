#include "ruvak3/sleep.h"

#include <gtest/gtest.h>

#include <chrono>

using ruvak3::win_emul::Sleep;

TEST(SleepTest, SuspendsForAtLeastTheGivenTime) {
  const auto start = std::chrono::steady_clock::now();
  Sleep(30);
  EXPECT_GE(std::chrono::steady_clock::now() - start,
            std::chrono::milliseconds(30));
}

TEST(SleepTest, ZeroOnlyYields) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 100; ++i) Sleep(0);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}
