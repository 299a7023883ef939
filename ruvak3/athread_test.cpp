#include "ruvak3/athread.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace {

// A worker that records where it ran and can block until released.
class Worker : public ruvak3::AThread {
 public:
  explicit Worker(bool block = false) : block(block) {}
  ~Worker() override { join(kNoTimeout); }
  int run() override {
    thread = pthread_self();
    ++runs;
    while (block && !released) std::this_thread::yield();
    return 0;
  }
  const bool block;
  pthread_t thread{};
  std::atomic<int> runs{0};
  std::atomic<bool> released{false};
};

}  // namespace

// An ended thread is reaped by the next start, without a join.
TEST(AThreadTest, StartRunsTheMostDerivedRunOnANewThreadAndCanRepeat) {
  Worker w;
  ASSERT_TRUE(w.start());
  while (w.isRunning()) std::this_thread::yield();
  EXPECT_FALSE(pthread_equal(w.thread, pthread_self()));
  ASSERT_TRUE(w.start());
  EXPECT_TRUE(w.stop());
  EXPECT_EQ(2, w.runs);
}

TEST(AThreadTest, RunningThreadRefusesASecondStartAndTimesOutAJoin) {
  Worker w(true);
  ASSERT_TRUE(w.start());
  while (w.runs == 0) std::this_thread::yield();
  EXPECT_TRUE(w.isRunning());
  EXPECT_FALSE(w.start());
  EXPECT_FALSE(w.join(20));
  w.released = true;
  EXPECT_TRUE(w.join(ruvak3::AThread::kNoTimeout));
  EXPECT_EQ(1, w.runs);
}

TEST(AThreadTest, DestructorWaitsForARunningThread) {
  // Statics, since run() outlives the subclass's own members here.
  static std::atomic<bool> started{false}, finished{false};
  class Slow : public ruvak3::AThread {
   public:
    int run() override {
      started = true;
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
      finished = true;
      return 0;
    }
  };
  {
    Slow s;
    ASSERT_TRUE(s.start());
    while (!started) std::this_thread::yield();
  }
  EXPECT_TRUE(finished);
}

// A worker cannot join itself; an exception from run() ends it quietly.
TEST(AThreadTest, SelfJoinFailsAndAnExceptionEndsTheThreadQuietly) {
  class SelfJoiner : public ruvak3::AThread {
   public:
    ~SelfJoiner() override { join(kNoTimeout); }
    int run() override {
      result_ = join(kNoTimeout) ? 1 : 0;
      throw std::runtime_error("worker failed");
    }
    std::atomic<int> result_{-1};
  };
  SelfJoiner s;
  ASSERT_TRUE(s.start());
  EXPECT_TRUE(s.join(ruvak3::AThread::kNoTimeout));
  EXPECT_FALSE(s.isRunning());
  EXPECT_EQ(0, s.result_);
}

TEST(AThreadTest, ThreadMayDestroyItsOwnObject) {
  static std::atomic<bool> deleted{false};
  class Disposable : public ruvak3::AThread {
   public:
    int run() override {
      delete this;
      deleted = true;
      return 0;
    }
  };
  ASSERT_TRUE((new Disposable)->start());
  while (!deleted) std::this_thread::yield();
}
