#pragma once

/// \file
/// SessionInactiveException and SessionInactiveException2: a request on a
/// session that is not active. The first prefixes its text with "ORA-499: ",
/// the second carries a session code. No operation of this library throws
/// them; transports do.

#include <string>

#include "tolvex/errors/generic_exception.h"
#include "tolvex/export.h"

/// "ORA-499: " followed by `text`. A null `text` gives the prefix alone.
TOLVEX_API std::string prepareExceptionText2(const char* text);

/// An inactive session, with the text prepareExceptionText2(message) and
/// error code -1 (a null `message` gives the prefix alone). Its clone() is a
/// plain GenericException with the same text and error code.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API SessionInactiveException : public GenericException {
 public:
  /// Keeps prepareExceptionText2(message).
  explicit SessionInactiveException(const char* message);
  ~SessionInactiveException() override;
};

/// An inactive session with a session code, its text kept unprefixed.
/// The virtual getErrorCode() const keeps reporting -1, so a const object or
/// a GenericException pointer or reference gives -1; the non-const
/// getErrorCode() of this class gives the session code.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API SessionInactiveException2 : public GenericException {
 public:
  /// Keeps a copy of `message`, unprefixed; error code -1.
  SessionInactiveException2(int sessionCode, const char* message);
  ~SessionInactiveException2() override;

  /// A new SessionInactiveException2 with the same session code and text;
  /// the caller deletes it.
  GenericException* clone() override;

  using GenericException::getErrorCode;
  /// The session code (hides, does not override, the base's operation).
  int getErrorCode();

 private:
  int sessionCode_;
};
