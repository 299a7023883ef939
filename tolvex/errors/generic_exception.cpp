#include "tolvex/errors/generic_exception.h"

#include <cstdlib>
#include <cstring>

GenericException::GenericException(const char* message, int code)
    : message_(nullptr), errorCode_(code) {
  GenericException::setMessage(message);
}

GenericException::GenericException(const GenericException& other)
    : message_(nullptr), errorCode_(other.errorCode_) {
  GenericException::setMessage(other.getMessage());
}

GenericException::~GenericException() {
  std::free(message_);
}

void GenericException::setMessage(const char* text) {
  if (text == nullptr || *text == '\0') return;
  // When strdup fails the exception is left without text.
  char* copy = strdup(text);
  std::free(message_);
  message_ = copy;
}

const char* GenericException::getMessage() const {
  return message_ != nullptr ? message_ : "";
}

GenericException* GenericException::clone() {
  return new GenericException(*this);
}

int GenericException::getErrorCode() const {
  return errorCode_;
}

GenericException& GenericException::operator=(const GenericException& other) {
  if (this == &other) return *this;
  setMessage(other.getMessage());
  errorCode_ = other.errorCode_;
  return *this;
}

void GenericException::releaseMessage() {
  std::free(message_);
  message_ = nullptr;
}
