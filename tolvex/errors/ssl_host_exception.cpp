#include "tolvex/errors/ssl_host_exception.h"

SSLHostException::SSLHostException(SecureFlags flags, const char* message)
    : GenericException(message, -1), flags_(flags) {}

SSLHostException::SSLHostException(const SSLHostException& other)
    : GenericException(other), flags_(other.flags_) {}

SSLHostException::~SSLHostException() = default;

SSLHostException::SecureFlags SSLHostException::GetErrorFlags() const {
  return flags_;
}

GenericException* SSLHostException::clone() {
  return new SSLHostException(*this);
}

SSLHostException& SSLHostException::operator=(const SSLHostException& other) {
  if (this == &other) return *this;
  GenericException::operator=(other);
  flags_ = other.flags_;
  return *this;
}
