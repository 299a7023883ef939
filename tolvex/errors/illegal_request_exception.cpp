#include "tolvex/errors/illegal_request_exception.h"

IllegalRequestException::IllegalRequestException(const char* message)
    : GenericException(message, -1) {}

IllegalRequestException::~IllegalRequestException() = default;

const char* IllegalRequestException::getMessage() const {
  return GenericException::getMessage();
}
