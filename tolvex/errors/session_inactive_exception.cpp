#include "tolvex/errors/session_inactive_exception.h"

namespace {

const char kInactivePrefix[] = "ORA-499: ";

}  // namespace

std::string prepareExceptionText2(const char* text) {
  std::string result(kInactivePrefix);
  if (text != nullptr) result += text;
  return result;
}

SessionInactiveException::SessionInactiveException(const char* message)
    : GenericException(prepareExceptionText2(message).c_str(), -1) {}

SessionInactiveException::~SessionInactiveException() = default;

SessionInactiveException2::SessionInactiveException2(int sessionCode,
                                                     const char* message)
    : GenericException(message, -1), sessionCode_(sessionCode) {}

SessionInactiveException2::~SessionInactiveException2() = default;

GenericException* SessionInactiveException2::clone() {
  return new SessionInactiveException2(sessionCode_, getMessage());
}

int SessionInactiveException2::getErrorCode() {
  return sessionCode_;
}
