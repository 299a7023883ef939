#pragma once

// IMessageListener: what a client implements to receive the messages that a
// session delivers (ITransportSession::addMessageListener).

#include "tolvex/export.h"
#include "tolvex/model/i_message.h"

/// Receives incoming messages. The library implements nothing of it and
/// calls it nowhere; transports call it.
/// Thread-safety: a transport may call onMessage on a thread of its own; an
/// implementation must be ready for that.
class TOLVEX_API IMessageListener {
 public:
  IMessageListener();

  /// A message that arrived on a session the listener was added to.
  /// `message` belongs to the caller and lives only during the call: copy it
  /// to keep it. Should return quickly and throw nothing.
  virtual void onMessage(IMessage* message) = 0;
  virtual ~IMessageListener();
};
