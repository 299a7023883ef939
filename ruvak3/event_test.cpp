#include "ruvak3/event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

using namespace ruvak3::win_emul;

namespace {

using Clock = std::chrono::steady_clock;

// An event closed at the end of the test.
struct Event {
  Event(int manual, int initial)
      : handle(CreateEventW(nullptr, manual, initial, nullptr)) {}
  ~Event() { CloseHandle(handle); }
  void* const handle;
};

long long millisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() -
                                                               start)
      .count();
}

}  // namespace

TEST(EventTest, ManualResetStaysSignalledUntilReset) {
  Event e(1, 0);
  ASSERT_NE(nullptr, e.handle);
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e.handle, 0));
  EXPECT_NE(0, SetEvent(e.handle));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e.handle, 0));
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e.handle, INFINITE));
  EXPECT_NE(0, ResetEvent(e.handle));
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e.handle, 0));
}

TEST(EventTest, AutoResetReleasesOneWaitAndClears) {
  Event e(0, 1);
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e.handle, 0));
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e.handle, 0));
  SetEvent(e.handle);
  SetEvent(e.handle);  // signals do not accumulate
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e.handle, 0));
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e.handle, 0));
}

TEST(EventTest, BadHandlesFailWithoutCrashing) {
  void* closed = CreateEventW(nullptr, 1, 1, nullptr);
  EXPECT_NE(0, CloseHandle(closed));
  void* const never_issued = reinterpret_cast<void*>(~std::uintptr_t{0});
  for (void* bad : {static_cast<void*>(nullptr), closed, never_issued}) {
    EXPECT_EQ(0, SetEvent(bad));
    EXPECT_EQ(0, ResetEvent(bad));
    EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(bad, INFINITE));
    EXPECT_EQ(0, CloseHandle(bad));
  }
}

TEST(EventTest, TimedWaitLastsAtLeastItsTime) {
  Event e(1, 0);
  const Clock::time_point start = Clock::now();
  EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e.handle, 50));
  EXPECT_GE(millisecondsSince(start), 50);
}

TEST(EventTest, SetFromAnotherThreadWakesAnInfiniteWait) {
  Event e(1, 0);
  std::thread setter([&e] {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    SetEvent(e.handle);
  });
  EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e.handle, INFINITE));
  setter.join();
}

TEST(EventTest, AutoResetWakesExactlyOneOfTwoWaiters) {
  Event e(0, 0);
  std::atomic<int> woken{0};
  auto waiter = [&] {
    if (WaitForSingleObject(e.handle, 300) == WAIT_OBJECT_0) ++woken;
  };
  std::thread a(waiter), b(waiter);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  SetEvent(e.handle);
  a.join();
  b.join();
  EXPECT_EQ(1, woken.load());
}

TEST(EventTest, ManualResetWakesEveryWaiter) {
  Event e(1, 0);
  std::atomic<int> woken{0};
  auto waiter = [&] {
    if (WaitForSingleObject(e.handle, INFINITE) == WAIT_OBJECT_0) ++woken;
  };
  std::thread a(waiter), b(waiter);
  SetEvent(e.handle);
  a.join();
  b.join();
  EXPECT_EQ(2, woken.load());
}

TEST(EventTest, ClosingWhileAnotherThreadWaitsIsSafe) {
  void* handle = CreateEventW(nullptr, 1, 0, nullptr);
  // A waiter already waiting runs until its time is up; one that only starts
  // after the close finds no event. Either way nothing breaks.
  std::thread waiter([handle] {
    const unsigned long result = WaitForSingleObject(handle, 100);
    EXPECT_TRUE(result == WAIT_TIMEOUT || result == WAIT_FAILED) << result;
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_NE(0, CloseHandle(handle));
  waiter.join();
}
