#include "tolvex/session/generic_session_status.h"

#include <cstdlib>

#include "tolvex/foundation/owned_text_internal.h"

namespace {

constexpr unsigned kStatusNameCount = 17;
constexpr unsigned kMessageCount = 22;

// Indexed by status code minus STATUSCODE_ERROR; the last entry stands for
// every code without a name of its own.
const char* const s_statusNames[kStatusNameCount] = {
    "Error",     "Disconnected", "Ready",          "Connecting", "Sending",
    "Receiving", "Processing",   "Disconnecting",  "Logged In",  "Waiting",
    "Expired",   "Shutdown",     "Forced relogin", "Connected",  "Logging in",
    "Attaching", "Unknown"};

// Indexed by message code minus MSGCODE_NONE; all null until
// initMessageTable(). Points at literals and owns nothing.
const char* s_messageTable[kMessageCount];

}  // namespace

GenericSessionStatus::GenericSessionStatus()
    : queueSize(0),
      connectionName(nullptr),
      protocolName(nullptr),
      secureProtocolString(nullptr),
      statusCode(STATUSCODE_READY),
      statusName(nullptr),
      statusMessage(nullptr),
      statusMessageID(MSGCODE_NONE),
      errorException(nullptr) {}

GenericSessionStatus::GenericSessionStatus(GenericSessionStatus& other)
    : GenericSessionStatus(static_cast<const GenericSessionStatus&>(other)) {}

GenericSessionStatus::GenericSessionStatus(const GenericSessionStatus& other)
    : GenericSessionStatus() {
  setQueueSize(other.queueSize);
  setConnectionName(other.connectionName);
  setProtocolName(other.protocolName);
  setSecureProtocolString(other.secureProtocolString);
  setStatusCode(other.statusCode);
  setStatusName(other.statusName);
  setStatusMessage(other.statusMessage);
  setStatusMessageID(other.statusMessageID);
  // Read directly, not through getErrorException(): the copy keeps the
  // exception whatever the status code.
  setErrorException(other.errorException);
}

GenericSessionStatus::~GenericSessionStatus() {
  std::free(connectionName);
  std::free(protocolName);
  std::free(secureProtocolString);
  std::free(statusName);
  std::free(statusMessage);
  delete errorException;
}

// ISessionStatus

const char* GenericSessionStatus::getConnectionName() const {
  return connectionName;
}

const char* GenericSessionStatus::getProtocolName() const {
  return protocolName;
}

const char* GenericSessionStatus::getSecureProtocolString() const {
  return secureProtocolString;
}

int GenericSessionStatus::getStatusCode() const {
  return statusCode;
}

const char* GenericSessionStatus::getStatusName() const {
  return statusName;
}

const char* GenericSessionStatus::getStatusMessage() const {
  return statusMessage;
}

int GenericSessionStatus::getStatusMessageID() const {
  return statusMessageID;
}

long GenericSessionStatus::getQueueSize() const {
  return queueSize;
}

GenericException* GenericSessionStatus::getErrorException() const {
  return statusCode == STATUSCODE_CRITICAL_ERROR ? errorException : nullptr;
}

void GenericSessionStatus::setConnectionName(const char* name) {
  owned_text::replace(connectionName, name);
}

void GenericSessionStatus::setProtocolName(const char* name) {
  owned_text::replace(protocolName, name);
}

void GenericSessionStatus::setSecureProtocolString(const char* mark) {
  owned_text::replace(secureProtocolString, mark);
}

void GenericSessionStatus::setStatusName(const char* name) {
  owned_text::replace(statusName, name);
}

void GenericSessionStatus::setStatusMessage(const char* text) {
  owned_text::replace(statusMessage, text);
}

void GenericSessionStatus::setStatusCode(int code) {
  statusCode = code;
}

void GenericSessionStatus::setStatusMessageID(int code) {
  statusMessageID = code;
}

void GenericSessionStatus::setQueueSize(long size) {
  queueSize = size;
}

void GenericSessionStatus::setErrorException(GenericException* e) {
  // Clones before deleting, so that the held copy may be passed back.
  GenericException* copy = e != nullptr ? e->clone() : nullptr;
  delete errorException;
  errorException = copy;
}

// Indices are computed in unsigned arithmetic, so that codes far outside the
// tables wrap to large indices instead of overflowing.

const char* GenericSessionStatus::getStatusName(int code) {
  unsigned index =
      static_cast<unsigned>(code) - static_cast<unsigned>(STATUSCODE_ERROR);
  if (index > kStatusNameCount - 1) index = kStatusNameCount - 1;
  return s_statusNames[index];
}

const char* GenericSessionStatus::getStatusMessage(int code) {
  unsigned index =
      static_cast<unsigned>(code) - static_cast<unsigned>(MSGCODE_NONE);
  if (index > kMessageCount - 1) index = 0;
  return s_messageTable[index];
}

bool GenericSessionStatus::initMessageTable() {
  static const char* const kTexts[kMessageCount] = {
      "",
      "Sending request...",
      "Communication broken.",
      "Session expired, login required.",
      "Request failed.",
      "Request sent.",
      "Command failed.",
      "Restoring connection...",
      "Connection restored.",
      "Connecting to the Server...",
      "Failed to connect to the server.",
      "Login failed.",
      "Connected to the Server.",
      "Disconnecting from the Server.",
      "Session closed.",
      "Connection not initiated.",
      "Failed to create async receiver.",
      "Session expired, login required.",
      "Gap withing message sequence.",
      "Extra authorization failed.",
      "Extra authorization started.",
      "The session is being reconnecting."};
  for (unsigned i = 0; i < kMessageCount; ++i) s_messageTable[i] = kTexts[i];
  return true;
}

void GenericSessionStatus::clearMessageTable() {}
