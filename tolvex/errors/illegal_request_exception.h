#pragma once

// IllegalRequestException: a request the server or the transport refused as
// malformed. No operation of this library throws it; transports do.

#include "tolvex/errors/generic_exception.h"
#include "tolvex/export.h"

/// An illegal request, with error code -1. Its clone() is a plain
/// GenericException with the same text and error code.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API IllegalRequestException : public GenericException {
 public:
  /// Keeps a copy of `message` (none when null or empty).
  explicit IllegalRequestException(const char* message);
  ~IllegalRequestException() override;

  /// The stored text, undecorated.
  const char* getMessage() const override;
};
