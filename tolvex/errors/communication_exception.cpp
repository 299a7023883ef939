#include "tolvex/errors/communication_exception.h"

CommunicationException::CommunicationException(const char* message, int code)
    : GenericException(message, code) {}

CommunicationException::~CommunicationException() = default;

const char* CommunicationException::getMessage() const {
  return GenericException::getMessage();
}

SSLCommunicationException::SSLCommunicationException(const char* message,
                                                     int sslCode,
                                                     void* serverCertContext)
    : CommunicationException(message, -1),
      serverCertContext_(serverCertContext),
      sslCode_(sslCode) {}

SSLCommunicationException::SSLCommunicationException(
    const SSLCommunicationException& other)
    : CommunicationException(other), serverCertContext_(nullptr), sslCode_(0) {}

SSLCommunicationException::~SSLCommunicationException() = default;

GenericException* SSLCommunicationException::clone() {
  return new SSLCommunicationException(*this);
}

int SSLCommunicationException::getCodeError() {
  return sslCode_;
}

void* SSLCommunicationException::getServerCertContext() {
  return nullptr;
}
