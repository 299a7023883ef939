#include "ruvak3/athread.h"

#include <cxxabi.h>
#include <pthread.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>

namespace ruvak3 {

struct AThread::State {
  std::mutex mutex;
  std::condition_variable ended;
  pthread_t thread{};
  bool running = false;   // run() has not returned yet
  bool joinable = false;  // thread holds a thread not yet joined or detached

  // What start() hands to the new thread.
  struct Launch {
    AThread* object;
    std::shared_ptr<State> state;
  };

  // The worker's entry point; arg is a Launch made with new.
  static void* main(void* arg);
};

void* AThread::State::main(void* arg) {
  Launch* launch = static_cast<Launch*>(arg);
  AThread* const object = launch->object;
  const std::shared_ptr<State> state = std::move(launch->state);
  delete launch;

  // Marks the end whichever way run() leaves, thread exit included.
  struct EndMark {
    State& state;
    ~EndMark() {
      std::lock_guard<std::mutex> lock(state.mutex);
      state.running = false;
      state.ended.notify_all();
    }
  } mark{*state};

  try {
    object->run();
  } catch (abi::__forced_unwind&) {
    throw;  // pthread_exit() inside run(): the unwinding must go on
  } catch (...) {
  }
  return nullptr;
}

AThread::AThread() : m_state(std::make_shared<State>()) {}

AThread::~AThread() {
  {
    std::lock_guard<std::mutex> lock(m_state->mutex);
    if (m_state->joinable && pthread_equal(m_state->thread, pthread_self())) {
      pthread_detach(m_state->thread);
      m_state->joinable = false;
      return;
    }
  }
  join(kNoTimeout);
}

bool AThread::start() {
  std::unique_lock<std::mutex> lock(m_state->mutex);
  if (m_state->running) return false;
  if (m_state->joinable) {
    // The previous thread has left run(); reap it before starting anew.
    m_state->joinable = false;
    const pthread_t previous = m_state->thread;
    lock.unlock();
    pthread_join(previous, nullptr);
    lock.lock();
    if (m_state->running || m_state->joinable) return false;
  }
  auto* launch = new (std::nothrow) State::Launch{this, m_state};
  if (launch == nullptr) return false;
  m_state->running = true;
  if (pthread_create(&m_state->thread, nullptr, &State::main, launch) != 0) {
    m_state->running = false;
    delete launch;
    return false;
  }
  m_state->joinable = true;
  return true;
}

bool AThread::stop() {
  join(kNoTimeout);
  return true;
}

bool AThread::isRunning() const {
  std::lock_guard<std::mutex> lock(m_state->mutex);
  return m_state->running;
}

bool AThread::join(unsigned long timeoutMs) {
  std::unique_lock<std::mutex> lock(m_state->mutex);
  if (!m_state->joinable) return !m_state->running;
  if (pthread_equal(m_state->thread, pthread_self())) return false;
  const auto ended = [this] { return !m_state->running; };
  if (timeoutMs >= kNoTimeout) {
    m_state->ended.wait(lock, ended);
  } else if (!m_state->ended.wait_for(
                 lock, std::chrono::milliseconds(timeoutMs), ended)) {
    return false;
  }
  m_state->joinable = false;
  const pthread_t thread = m_state->thread;
  lock.unlock();
  // The thread has left run(); this only waits for it to exit.
  pthread_join(thread, nullptr);
  return true;
}

}  // namespace ruvak3
