#pragma once

// SessionTimeoutException: a session or a request that ran out of time. No
// operation of this library throws it; transports do.

#include "tolvex/errors/generic_exception.h"
#include "tolvex/export.h"

/// A timeout, with error code -1. Its clone() is a plain GenericException with
/// the same text and error code.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API SessionTimeoutException : public GenericException {
 public:
  /// Keeps a copy of `message` (none when null or empty).
  explicit SessionTimeoutException(const char* message);
  ~SessionTimeoutException() override;

  /// The stored text, undecorated.
  const char* getMessage() const override;
};
