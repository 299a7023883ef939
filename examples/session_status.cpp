// Publish and read session statuses. A transport fills GenericSessionStatus
// snapshots and hands them to its ISessionStatusListener objects; listeners
// read them through ISessionStatus and copy what they want to keep.
#include <cstdio>
#include <memory>
#include <vector>

#include "tolvex/tolvex.h"

namespace {

// Prints each status it hears and keeps a copy of the last one.
class PrintingListener : public ISessionStatusListener {
 public:
  void onSessionStatus(const ISessionStatus* status) override {
    std::printf("%-2d %-13s \"%s\"\n", status->getStatusCode(),
                status->getStatusName(), status->getStatusMessage());
    GenericException* error = status->getErrorException();
    if (error != nullptr) {
      std::printf("   error %d: %s\n", error->getErrorCode(),
                  error->getMessage());
    }
    // The status lives only during the call: keep a copy.
    auto generic = dynamic_cast<const GenericSessionStatus*>(status);
    if (generic != nullptr) last_.reset(new GenericSessionStatus(*generic));
  }

  const GenericSessionStatus* last() const { return last_.get(); }

 private:
  std::unique_ptr<GenericSessionStatus> last_;
};

// What a transport does: fill a snapshot from the two tables and publish it.
void publish(ISessionStatusListener& listener, int code, int message,
             GenericException* error = nullptr) {
  GenericSessionStatus status;
  status.setConnectionName("primary");
  status.setProtocolName(ISessionStatus::CONNECT_HTTP);
  status.setSecureProtocolString(ISessionStatus::CONNECT_SECURE);
  status.setStatusCode(code);
  status.setStatusName(GenericSessionStatus::getStatusName(code));
  status.setStatusMessageID(message);
  status.setStatusMessage(GenericSessionStatus::getStatusMessage(message));
  status.setErrorException(error);  // holds its own clone
  listener.onSessionStatus(&status);
}

}  // namespace

int main() {
  // Fill the message table once, before any getStatusMessage(int).
  GenericSessionStatus::initMessageTable();

  std::printf("== A connection as a listener hears it ==\n");
  PrintingListener listener;
  publish(listener, ISessionStatus::STATUSCODE_CONNECTING,
          ISessionStatus::MSGCODE_CONNECTING);
  publish(listener, ISessionStatus::STATUSCODE_CONNECTED,
          ISessionStatus::MSGCODE_CONNECTED);
  publish(listener, ISessionStatus::STATUSCODE_LOGGEDIN,
          ISessionStatus::MSGCODE_NONE);

  std::printf("\n== A critical error carries a clone of its exception ==\n");
  CommunicationException broken("connection reset by peer", 104);
  publish(listener, ISessionStatus::STATUSCODE_CRITICAL_ERROR,
          ISessionStatus::MSGCODE_COMMBROKEN, &broken);

  std::printf("\n== The kept copy outlives the published status ==\n");
  const GenericSessionStatus* last = listener.last();
  std::printf("%s over %s%s, error \"%s\"\n", last->getConnectionName(),
              last->getProtocolName(), last->getSecureProtocolString(),
              last->getErrorException()->getMessage());

  std::printf("\n== The exception shows only under the critical code ==\n");
  GenericSessionStatus status(*last);
  status.setStatusCode(ISessionStatus::STATUSCODE_ERROR);
  std::printf("code %d: exception %s\n", status.getStatusCode(),
              status.getErrorException() != nullptr ? "present" : "null");

  std::printf("\n== The tables ==\n");
  for (int code = ISessionStatus::STATUSCODE_ERROR;
       code <= ISessionStatus::STATUSCODE_RELOGIN_FAILED; ++code) {
    std::printf("status %3d  %s\n", code,
                GenericSessionStatus::getStatusName(code));
  }
  for (int code = ISessionStatus::MSGCODE_NONE;
       code <= ISessionStatus::MSGCODE_RECONNETING; ++code) {
    std::printf("message %2d  \"%s\"\n", code,
                GenericSessionStatus::getStatusMessage(code));
  }
  return 0;
}
