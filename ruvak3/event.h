#pragma once

/// \file
/// Emulation of the Windows event objects and the wait on one of them.
///
/// An event is a flag that threads raise and wait for. A manual-reset event
/// stays signalled until ResetEvent; an auto-reset event releases one waiter
/// and clears itself. Handles are opaque and never reused while the process
/// runs (short of 2^32 events on a 32-bit system): a null, closed or unknown
/// handle makes every function return its failure value instead of crashing.
///
/// \code
/// void* stop = CreateEventW(nullptr, 1, 0, nullptr);
/// // worker: while (WaitForSingleObject(stop, 100) == WAIT_TIMEOUT) work();
/// SetEvent(stop);
/// ...
/// CloseHandle(stop);
/// \endcode
///
/// Thread-safety: every function may be called from any thread on any handle.

#include "ruvak3/export.h"

namespace ruvak3 {
namespace win_emul {

/// A wait time that never runs out.
constexpr unsigned long INFINITE = 0xFFFFFFFFul;
/// WaitForSingleObject: the event was signalled.
constexpr unsigned long WAIT_OBJECT_0 = 0x00000000ul;
/// WaitForSingleObject: the time ran out first.
constexpr unsigned long WAIT_TIMEOUT = 0x00000102ul;
/// WaitForSingleObject: the handle is null, closed or unknown.
constexpr unsigned long WAIT_FAILED = 0xFFFFFFFFul;

/// Creates an event; manualReset and initialState are booleans (nonzero is
/// true). The security attributes and the name are ignored: events are never
/// shared by name. Returns a handle that the caller closes with CloseHandle;
/// null only when memory runs out.
RUVAK3_API void* CreateEventW(void* attributes, int manualReset,
                              int initialState, const wchar_t* name);

/// Signals the event, waking all waiters of a manual-reset event or one
/// waiter of an auto-reset one. Returns nonzero, or 0 for a bad handle.
RUVAK3_API int SetEvent(void* event);

/// Clears the event. Returns nonzero, or 0 for a bad handle.
RUVAK3_API int ResetEvent(void* event);

/// Destroys the event; the handle is invalid afterwards. Returns nonzero, or
/// 0 for a bad handle (closing twice is harmless). Threads still waiting on
/// the event keep waiting until their time runs out.
RUVAK3_API int CloseHandle(void* event);

/// Waits until the event is signalled or milliseconds have passed, measured
/// on a monotonic clock; INFINITE (or more) waits without limit and 0 only
/// tests. A successful wait clears an auto-reset event. Returns
/// WAIT_OBJECT_0, WAIT_TIMEOUT or, for a bad handle, WAIT_FAILED at once.
RUVAK3_API unsigned long WaitForSingleObject(void* event,
                                             unsigned long milliseconds);

}  // namespace win_emul
}  // namespace ruvak3
