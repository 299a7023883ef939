#pragma once

// ISessionStatusListener: what a client implements to hear of the status
// changes of a transport or a session (ITransportProvider and
// ITransportSession take listeners with addStatusListener).

#include "tolvex/export.h"
#include "tolvex/session/i_session_status.h"

/// Receives status snapshots. The library implements nothing of it and calls
/// it nowhere; transports call it.
/// Thread-safety: a transport may call onSessionStatus on a thread of its
/// own; an implementation must be ready for that.
class TOLVEX_API ISessionStatusListener {
 public:
  ISessionStatusListener();

  /// A new status of the session or transport the listener was added to.
  /// `status` belongs to the caller and lives only during the call: copy it
  /// (GenericSessionStatus has a copy constructor) to keep it. Should return
  /// quickly and throw nothing.
  virtual void onSessionStatus(const ISessionStatus* status) = 0;
  virtual ~ISessionStatusListener();
};
