#include "ruvak3/event.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

using namespace ruvak3::win_emul;

namespace {

// An event closed at the end of the test.
struct Event {
  Event(int manual, int initial)
      : handle(CreateEventW(nullptr, manual, initial, nullptr)) {}
  ~Event() { CloseHandle(handle); }
  void* const handle;
};

void pause(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

// Manual reset stays signalled; auto reset releases one wait, no accumulation.
TEST(EventTest, ManualResetStaysSignalledAndAutoResetReleasesOneWait) {
  for (int manual : {0, 1}) {
    Event e(manual, 1);
    SetEvent(e.handle);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(e.handle, 0));
    EXPECT_EQ(manual ? WAIT_OBJECT_0 : WAIT_TIMEOUT,
              WaitForSingleObject(e.handle, 0));
    EXPECT_NE(0, ResetEvent(e.handle));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(e.handle, 0));
  }
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

TEST(EventTest, AutoResetWakesOneOfTwoWaitersAndManualResetBoth) {
  for (int manual : {0, 1}) {
    Event e(manual, 0);
    std::atomic<int> woken{0};
    auto waiter = [&] {
      if (WaitForSingleObject(e.handle, manual ? INFINITE : 300) ==
          WAIT_OBJECT_0)
        ++woken;
    };
    std::thread a(waiter), b(waiter);
    pause(50);
    SetEvent(e.handle);
    a.join();
    b.join();
    EXPECT_EQ(1 + manual, woken.load()) << "manual " << manual;
  }
}

TEST(EventTest, ClosingWhileAnotherThreadWaitsIsSafe) {
  void* handle = CreateEventW(nullptr, 1, 0, nullptr);
  // A waiter times out or finds no event; either way nothing breaks.
  std::thread waiter([handle] {
    const unsigned long result = WaitForSingleObject(handle, 100);
    EXPECT_TRUE(result == WAIT_TIMEOUT || result == WAIT_FAILED) << result;
  });
  pause(20);
  EXPECT_NE(0, CloseHandle(handle));
  waiter.join();
}
