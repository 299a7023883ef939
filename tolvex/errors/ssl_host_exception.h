#pragma once

// SSLHostException: the server's certificate did not pass the host checks.
// No operation of this library throws it; transports do.

#include "tolvex/errors/generic_exception.h"
#include "tolvex/export.h"

/// A rejected server certificate, with error code -1 and the set of checks
/// that failed.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API SSLHostException : public GenericException {
 public:
  /// Checks that a server certificate failed, as bits that combine with `|`.
  /// The exception stores the value it is given and hands it back unchanged,
  /// whatever bits it holds.
  enum SecureFlags : int {
    /// No check failed.
    SECURE_FLAGS_NONE = 0,
    /// The certificate's issuer is not trusted.
    SECURE_FLAG_UNKNOWN_ISSUER = 0x01,
    /// The certificate names another host.
    SECURE_FLAG_WRONG_HOST = 0x02,
    /// The certificate is expired or not yet valid.
    SECURE_FLAG_DATE_INVALID = 0x04,
    /// The certificate was revoked.
    SECURE_FLAG_REVOKED = 0x08,
    /// The certificate is not meant for server authentication.
    SECURE_FLAG_WRONG_USAGE = 0x10,
  };

  /// Note the order: flags first, text second.
  SSLHostException(SecureFlags flags, const char* message);
  /// Copies the text, the error code and the flags.
  SSLHostException(const SSLHostException& other);
  ~SSLHostException() override;

  /// The secure flags given at construction.
  SecureFlags GetErrorFlags() const;
  /// A new SSLHostException; the caller deletes it.
  GenericException* clone() override;

  /// The base assignment, then the flags.
  SSLHostException& operator=(const SSLHostException& other);

 private:
  SecureFlags flags_;
};
