#include "tolvex/errors/session_timeout_exception.h"

SessionTimeoutException::SessionTimeoutException(const char* message)
    : GenericException(message, -1) {}

SessionTimeoutException::~SessionTimeoutException() = default;

const char* SessionTimeoutException::getMessage() const {
  return GenericException::getMessage();
}
