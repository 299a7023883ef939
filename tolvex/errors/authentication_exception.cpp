#include "tolvex/errors/authentication_exception.h"

AuthenticationException::AuthenticationException(const char* message, int code)
    : GenericException(message, code) {}

AuthenticationException::AuthenticationException(
    const AuthenticationException& other)
    : GenericException(other) {}

AuthenticationException::~AuthenticationException() = default;

const char* AuthenticationException::getMessage() const {
  return GenericException::getMessage();
}

GenericException* AuthenticationException::clone() {
  return new AuthenticationException(*this);
}

CCertificateAuthenticationException::CCertificateAuthenticationException(
    const char* message, int certCode)
    : AuthenticationException(message, -1), certCode_(certCode) {}

CCertificateAuthenticationException::CCertificateAuthenticationException(
    const CCertificateAuthenticationException& other)
    : AuthenticationException(other), certCode_(other.certCode_) {}

CCertificateAuthenticationException::~CCertificateAuthenticationException() =
    default;

int CCertificateAuthenticationException::getCode() const {
  return certCode_;
}

GenericException* CCertificateAuthenticationException::clone() {
  return new CCertificateAuthenticationException(*this);
}

CCertificateAuthenticationException&
CCertificateAuthenticationException::operator=(
    const CCertificateAuthenticationException& other) {
  if (this == &other) return *this;
  // Dropping the text first makes a source without text clear this one.
  releaseMessage();
  GenericException::operator=(other);
  certCode_ = other.certCode_;
  return *this;
}
