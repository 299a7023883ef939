#include "tolvex/foundation/thread.h"

#include <gtest/gtest.h>

#include <atomic>

#include "ruvak3/event.h"

namespace {

using ruvak3::win_emul::WAIT_OBJECT_0;
using ruvak3::win_emul::WaitForSingleObject;

// Loops until the stop event is signalled, counting runs and looks.
class Looper : public CThread {
 public:
  explicit Looper(bool reset) : CThread(reset) {}
  ~Looper() override {
    stop();
    // With the flag clear the stop event is ours to close.
    if (!m_bResetStopEvent) ruvak3::win_emul::CloseHandle(m_hStopEvent);
  }
  int run() override {
    ++runs;
    do {
      ++looks;
    } while (WaitForSingleObject(m_hStopEvent, 5) != WAIT_OBJECT_0);
    return 0;
  }
  std::atomic<int> runs{0};
  std::atomic<int> looks{0};
};

}  // namespace

// A stop before any start, and one after the run ended, return at once.
TEST(CThreadTest, DefaultRunEndsAtOnce) {
  CThread t(true);
  EXPECT_TRUE(t.stop());
  EXPECT_EQ(1, t.run());
  ASSERT_TRUE(t.start());
  t.join(ruvak3::AThread::kNoTimeout);
  EXPECT_FALSE(t.isActive());
  EXPECT_TRUE(t.stop());
}

TEST(CThreadTest, WithResetFlagTheThreadRestarts) {
  Looper t(true);
  for (int round = 1; round <= 2; ++round) {
    t.looks = 0;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(t.start());  // a second start while running changes nothing
    while (t.looks < 2) t.yield();  // waited at least once: not stopped yet
    EXPECT_TRUE(t.isActive());
    EXPECT_TRUE(t.stop());
    EXPECT_FALSE(t.isActive());
    EXPECT_EQ(round, t.runs);
  }
}

TEST(CThreadTest, WithoutResetFlagASecondRunEndsAtItsFirstLook) {
  Looper t(false);
  ASSERT_TRUE(t.start());
  while (t.looks < 2) t.sleep(1);
  EXPECT_TRUE(t.stop());
  t.looks = 0;
  ASSERT_TRUE(t.start());
  t.join(ruvak3::AThread::kNoTimeout);
  EXPECT_EQ(2, t.runs);
  EXPECT_EQ(1, t.looks);
}
