#pragma once

// The base class of worker threads, on POSIX threads.
//
// A subclass overrides run(); start() begins a new thread that calls the most
// derived run(), and join() waits for it to return. An object runs one thread
// at a time and may start another once the previous one has ended.
//
//   class Worker : public ruvak3::AThread {
//    public:
//     int run() override { ...; return 0; }
//   };
//   Worker w;
//   w.start();
//   w.join(ruvak3::AThread::kNoTimeout);
//
// The destructor waits without limit for a thread that still runs, so that
// the thread never outlives the object it works on; since the subclass's
// part is already destroyed by then, owners end the thread (stop() or join())
// before destroying the object. A thread that destroys its own object from
// inside run() is detached instead.

#include <memory>

#include "ruvak3/export.h"

namespace ruvak3 {

/// A thread of its own per start(), running the subclass's run().
/// Thread-safety: start(), stop(), join() and isRunning() may be called from
/// any thread except the worker itself (which may call isRunning()); run()
/// executes on the worker.
class RUVAK3_API AThread {
 public:
  /// The timeout of join() that waits without limit.
  static constexpr unsigned long kNoTimeout = 0xFFFFFFFFul;

  AThread();
  AThread(const AThread&) = delete;
  AThread& operator=(const AThread&) = delete;

  /// Waits for a running thread to end (see the file comment).
  virtual ~AThread();

  /// The thread's body; its result is discarded. An exception escaping it
  /// ends the thread quietly.
  virtual int run() = 0;

  /// Begins a new thread that calls run(). Returns false, starting nothing,
  /// while a thread still runs or when the system refuses a new thread.
  virtual bool start();

  /// This class has no way to ask run() to return: it only waits without
  /// limit for the thread to end. Returns true. Subclasses that can signal
  /// their run() override it.
  virtual bool stop();

  /// True from start() until run() has returned.
  bool isRunning() const;

  /// Waits up to timeoutMs milliseconds (kNoTimeout: no limit) for the
  /// thread to end. Returns true when no thread runs any longer (or none was
  /// started), false when the time ran out or the worker called it on itself.
  bool join(unsigned long timeoutMs);

 private:
  struct State;
  // Shared with the running thread, which may outlive a self-destroyed
  // object by a few instructions.
  std::shared_ptr<State> m_state;
};

}  // namespace ruvak3
