#pragma once

// CThread: the base of worker threads, with a stop protocol on an event.
//
// A subclass overrides run() and watches m_hStopEvent in it; the owner calls
// start() and later stop(), which signals the event and waits for run() to
// return:
//
//   class Poller : public CThread {
//    public:
//     Poller() : CThread(true) {}
//     int run() override {
//       while (ruvak3::win_emul::WaitForSingleObject(m_hStopEvent, 100) ==
//              ruvak3::win_emul::WAIT_TIMEOUT) {
//         poll();
//       }
//       return 0;
//     }
//   };
//
// Owners stop the thread before destroying the object: the destructor
// neither signals nor waits, and the base class's destructor then waits
// without limit for a thread still running (see ruvak3/athread.h).

#include "ruvak3/athread.h"
#include "tolvex/export.h"

/// A worker thread with a stop event and a spare auto-reset event.
/// Thread-safety: start(), stop() and isActive() are for the owning thread,
/// never for run() itself; sleep() and yield() act on whichever thread calls
/// them.
class TOLVEX_API CThread : public ruvak3::AThread {
 public:
  /// Creates both events, not signalled. With resetStopEvent set, stop()
  /// clears the stop event again, so that the thread can be restarted, and
  /// the destructor closes it; with it clear the stop event stays signalled
  /// after a stop and outlives the object (a subclass that hands it to no one
  /// closes it in its own destructor and sets the member to null).
  explicit CThread(bool resetStopEvent);

  /// Closes the events (the stop event only with the flag set); does not
  /// stop the thread.
  ~CThread() override;

  /// The thread's body. This one returns 1 at once.
  int run() override;

  /// Begins a thread that calls run(). Returns true, starting nothing, while
  /// a thread runs; otherwise whether the new thread began.
  bool start() override;

  /// Signals the stop event, waits without limit for the thread to end and,
  /// with the flag set, clears the event again. Returns true, at once when
  /// there is no stop event. Never call it from run().
  bool stop() override;

  /// Whether a started thread is still in run().
  bool isActive();

  /// Suspends the calling thread for milliseconds.
  void sleep(unsigned long milliseconds);

  /// Gives up the rest of the calling thread's time slice.
  void yield();

 protected:
  void* m_hStopEvent;      ///< Manual reset; signalled by stop().
  void* m_hAutoEvent;      ///< Auto reset; the subclass's to use.
  bool m_bResetStopEvent;  ///< The flag given at construction.
};
