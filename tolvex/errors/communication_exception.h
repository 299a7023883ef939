#pragma once

// CommunicationException and SSLCommunicationException: failures of the
// connection to a server, the latter with an SSL error code. No operation of
// this library throws them; transports do.

#include "tolvex/errors/generic_exception.h"
#include "tolvex/export.h"

/// A failed exchange with a server. Its clone() is a plain GenericException
/// with the same text and error code.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API CommunicationException : public GenericException {
 public:
  /// As GenericException(message, code).
  CommunicationException(const char* message, int code);
  ~CommunicationException() override;

  /// The stored text, undecorated.
  const char* getMessage() const override;
};

/// A failed SSL exchange. getErrorCode() reports -1; the SSL error code is
/// getCodeError(). The server certificate context is kept but never handed
/// out or touched. Copies and clones carry the text and error code only: their
/// SSL error code is 0 and their context null.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API SSLCommunicationException : public CommunicationException {
 public:
  /// Error code -1; `serverCertContext` is kept, not owned.
  SSLCommunicationException(const char* message, int sslCode,
                            void* serverCertContext);
  /// Copies the text and the error code only.
  SSLCommunicationException(const SSLCommunicationException& other);
  ~SSLCommunicationException() override;

  /// A new SSLCommunicationException made by the copy constructor; the
  /// caller deletes it.
  GenericException* clone() override;
  /// The SSL error code; 0 in a copy or a clone.
  int getCodeError();
  /// Always null: the stored context is not handed out.
  void* getServerCertContext();

 private:
  [[maybe_unused]] void* serverCertContext_;
  int sslCode_;
};
