#pragma once

// AuthenticationException and CCertificateAuthenticationException: failures
// to authenticate with a server, the latter with a certificate error code.
// No operation of this library throws them; transports do.

#include "tolvex/errors/generic_exception.h"
#include "tolvex/export.h"

/// A failed authentication.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API AuthenticationException : public GenericException {
 public:
  /// As GenericException(message, code).
  AuthenticationException(const char* message, int code);
  /// As the GenericException copy.
  AuthenticationException(const AuthenticationException& other);
  ~AuthenticationException() override;

  /// The stored text, undecorated.
  const char* getMessage() const override;
  /// A new AuthenticationException; the caller deletes it.
  GenericException* clone() override;
};

/// A failed authentication by certificate. getErrorCode() reports -1; the
/// certificate's own error code is getCode().
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API CCertificateAuthenticationException
    : public AuthenticationException {
 public:
  /// Keeps a copy of `message` (none when null or empty); error code -1.
  CCertificateAuthenticationException(const char* message, int certCode);
  /// Copies the text, the error code and the certificate code.
  CCertificateAuthenticationException(
      const CCertificateAuthenticationException& other);
  ~CCertificateAuthenticationException() override;

  /// The certificate error code.
  int getCode() const;
  /// A new CCertificateAuthenticationException; the caller deletes it.
  GenericException* clone() override;

  /// Takes `other`'s text, error code and certificate code. Unlike the base
  /// assignment, a source without text leaves this object without text.
  CCertificateAuthenticationException& operator=(
      const CCertificateAuthenticationException& other);

 private:
  int certCode_;
};
