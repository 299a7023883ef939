#include "ruvak3/event.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <unordered_map>

namespace ruvak3 {
namespace win_emul {

namespace {

struct Event {
  Event(bool manual, bool signalled) : manual(manual), signalled(signalled) {}
  std::mutex mutex;
  std::condition_variable changed;
  const bool manual;
  bool signalled;
};

// Handles are serial numbers, not addresses, so that a stale handle finds
// nothing instead of freed memory. The table holds shared owners: a waiter
// keeps its event alive even when another thread closes the handle.
class Registry {
 public:
  void* add(std::shared_ptr<Event> event) {
    std::lock_guard<std::mutex> lock(mutex_);
    do {
      ++last_;
    } while (last_ == 0 || events_.count(last_) != 0);
    events_.emplace(last_, std::move(event));
    // NOLINTNEXTLINE(performance-no-int-to-ptr): handles are serial numbers
    return reinterpret_cast<void*>(last_);
  }

  std::shared_ptr<Event> find(void* handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = events_.find(reinterpret_cast<std::uintptr_t>(handle));
    return it == events_.end() ? nullptr : it->second;
  }

  bool remove(void* handle) {
    std::lock_guard<std::mutex> lock(mutex_);
    return events_.erase(reinterpret_cast<std::uintptr_t>(handle)) != 0;
  }

 private:
  std::mutex mutex_;
  std::uintptr_t last_ = 0;
  std::unordered_map<std::uintptr_t, std::shared_ptr<Event>> events_;
};

// Never destroyed, so that threads still running at exit find it intact.
Registry& registry() {
  static Registry* const instance = new Registry;
  return *instance;
}

}  // namespace

void* CreateEventW(void* /*attributes*/, int manualReset, int initialState,
                   const wchar_t* /*name*/) {
  try {
    return registry().add(
        std::make_shared<Event>(manualReset != 0, initialState != 0));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

int SetEvent(void* event) {
  const std::shared_ptr<Event> e = registry().find(event);
  if (!e) return 0;
  std::lock_guard<std::mutex> lock(e->mutex);
  e->signalled = true;
  if (e->manual) {
    e->changed.notify_all();
  } else {
    e->changed.notify_one();
  }
  return 1;
}

int ResetEvent(void* event) {
  const std::shared_ptr<Event> e = registry().find(event);
  if (!e) return 0;
  std::lock_guard<std::mutex> lock(e->mutex);
  e->signalled = false;
  return 1;
}

int CloseHandle(void* event) {
  return registry().remove(event) ? 1 : 0;
}

unsigned long WaitForSingleObject(void* event, unsigned long milliseconds) {
  const std::shared_ptr<Event> e = registry().find(event);
  if (!e) return WAIT_FAILED;
  std::unique_lock<std::mutex> lock(e->mutex);
  const auto signalled = [&e] { return e->signalled; };
  if (milliseconds >= INFINITE) {
    e->changed.wait(lock, signalled);
  } else if (!e->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                                  signalled)) {
    return WAIT_TIMEOUT;
  }
  if (!e->manual) e->signalled = false;
  return WAIT_OBJECT_0;
}

}  // namespace win_emul
}  // namespace ruvak3
