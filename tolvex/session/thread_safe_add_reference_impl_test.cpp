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

// Balanced pairs on several threads never reach zero; afterwards the
// creator's reference is the last one, and its release deletes.
TEST(TThreadSafeAddReferenceImplTest,
     RefCountSurvivesBalancedPairsOnManyThreads) {
  constexpr int kThreads = 4;
  constexpr int kPairs = 20000;
  std::atomic<int> destroyed(0);
  IAddReference* object = new Counted(&destroyed);
  std::atomic<int> earlyZero(0);
  onThreads(kThreads, [&](int) {
    for (int i = 0; i < kPairs; ++i) {
      if (object->addRef() < 2) earlyZero.fetch_add(1);
      if (object->release() < 1) earlyZero.fetch_add(1);
    }
  });
  EXPECT_EQ(0, earlyZero.load());
  EXPECT_EQ(0, destroyed.load());
  EXPECT_EQ(2, object->addRef());
  EXPECT_EQ(1, object->release());
  EXPECT_EQ(0, object->release());
  EXPECT_EQ(1, destroyed.load());
}

// Threads racing for the last release delete the object once, and each
// release sees its own step of the count: 0, 1, ... kThreads - 1.
TEST(TThreadSafeAddReferenceImplTest,
     RefCountRaceForTheLastReleaseDeletesOnce) {
  constexpr int kRounds = 200;
  constexpr int kThreads = 4;
  for (int round = 0; round < kRounds; ++round) {
    std::atomic<int> destroyed(0);
    IAddReference* object = new Counted(&destroyed);
    for (int i = 1; i < kThreads; ++i) object->addRef();
    std::atomic<int> results[kThreads];
    onThreads(kThreads, [&](int i) { results[i].store(object->release()); });
    ASSERT_EQ(1, destroyed.load()) << "round " << round;
    int seen = 0;
    for (const std::atomic<int>& result : results) seen |= 1 << result.load();
    ASSERT_EQ((1 << kThreads) - 1, seen) << "round " << round;
  }
}
