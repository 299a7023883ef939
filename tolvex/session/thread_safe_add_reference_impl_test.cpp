#include "tolvex/session/thread_safe_add_reference_impl.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

// Counts its destructions in a counter that outlives it.
class Counted : public TThreadSafeAddReferenceImpl<IAddReference> {
 public:
  explicit Counted(std::atomic<int>* destroyed) : destroyed_(destroyed) {}
  ~Counted() override { destroyed_->fetch_add(1); }

 private:
  std::atomic<int>* destroyed_;
};

// Runs `body(i)` on `count` threads that start together.
template <typename Body>
void onThreads(int count, Body body) {
  std::atomic<bool> go(false);
  std::vector<std::thread> threads;
  for (int i = 0; i < count; ++i) {
    threads.emplace_back([&, i] {
      while (!go.load()) std::this_thread::yield();
      body(i);
    });
  }
  go.store(true);
  for (std::thread& thread : threads) thread.join();
}

}  // namespace

// Balanced pairs on racing threads never reach zero; racing releases each see
// their own count, and the last deletes the object once.
TEST(TThreadSafeAddReferenceImplTest, RefCountIsExactUnderRacingThreads) {
  constexpr int kRounds = 100;
  constexpr int kThreads = 4;
  for (int round = 0; round < kRounds; ++round) {
    std::atomic<int> destroyed(0);
    std::atomic<int> earlyZero(0);
    IAddReference* object = new Counted(&destroyed);
    for (int i = 1; i < kThreads; ++i) object->addRef();
    std::atomic<int> results[kThreads];
    onThreads(kThreads, [&](int) {
      for (int pair = 0; pair < 200; ++pair) {
        if (object->addRef() < 2) earlyZero.fetch_add(1);
        if (object->release() < 1) earlyZero.fetch_add(1);
      }
    });
    ASSERT_EQ(0, earlyZero.load() + destroyed.load()) << "round " << round;
    onThreads(kThreads, [&](int i) { results[i].store(object->release()); });
    ASSERT_EQ(1, destroyed.load()) << "round " << round;
    int seen = 0;
    for (const std::atomic<int>& result : results) seen |= 1 << result.load();
    ASSERT_EQ((1 << kThreads) - 1, seen) << "round " << round;
  }
}
