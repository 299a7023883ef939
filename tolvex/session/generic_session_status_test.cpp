#include "tolvex/session/generic_session_status.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

#include "tolvex/errors/generic_exception.h"

namespace {

// Read before any test runs: the message table is empty until
// initMessageTable().
const bool kMessageTableEmptyAtStart =
    GenericSessionStatus::getStatusMessage(ISessionStatus::MSGCODE_NONE) ==
        nullptr &&
    GenericSessionStatus::getStatusMessage(
        ISessionStatus::MSGCODE_RECONNETING) == nullptr;

// Every member, '|'-separated in getter order, "-" for null.
std::string stateOf(const GenericSessionStatus& status) {
  auto show = [](const char* text) { return text != nullptr ? text : "-"; };
  GenericException* e = status.getErrorException();
  return std::to_string(status.getQueueSize()) + "|" +
         show(status.getConnectionName()) + "|" +
         show(status.getProtocolName()) + "|" +
         show(status.getSecureProtocolString()) + "|" +
         std::to_string(status.getStatusCode()) + "|" +
         show(status.getStatusName()) + "|" + show(status.getStatusMessage()) +
         "|" + std::to_string(status.getStatusMessageID()) + "|" +
         show(e != nullptr ? e->getMessage() : nullptr);
}

}  // namespace

// Typed here, not derived: the ends of each table and each side of them.
TEST(GenericSessionStatusTest, CodeTablesGiveTheirTexts) {
  const std::pair<int, const char*> names[] = {
      {ISessionStatus::STATUSCODE_ERROR, "Error"},
      {ISessionStatus::STATUSCODE_READY, "Ready"},
      {ISessionStatus::STATUSCODE_ATTACHING, "Attaching"},
      // The last three codes have no name of their own.
      {ISessionStatus::STATUSCODE_EXTRA_AUTH_PASSED, "Unknown"},
      {-3, "Unknown"},
      {INT_MAX, "Unknown"},
  };
  for (const auto& [code, name] : names) {
    EXPECT_STREQ(name, GenericSessionStatus::getStatusName(code)) << code;
  }

  EXPECT_TRUE(kMessageTableEmptyAtStart);
  EXPECT_TRUE(GenericSessionStatus::initMessageTable());
  // A second fill and a clear change nothing.
  EXPECT_TRUE(GenericSessionStatus::initMessageTable());
  GenericSessionStatus::clearMessageTable();
  const std::pair<int, const char*> messages[] = {
      {ISessionStatus::MSGCODE_NONE, ""},
      {ISessionStatus::MSGCODE_SENDINGREQUEST, "Sending request..."},
      {ISessionStatus::MSGCODE_RECONNETING,
       "The session is being reconnecting."},
      // Codes outside the table give the text of MSGCODE_NONE.
      {22, ""},
      {-1, ""},
  };
  for (const auto& [code, text] : messages) {
    EXPECT_STREQ(text, GenericSessionStatus::getStatusMessage(code)) << code;
  }
}

// A client's exception class, whose clones the status must make.
class ClientException : public GenericException {
 public:
  using GenericException::GenericException;
  GenericException* clone() override {
    ++clones;
    return new ClientException(*this);
  }
  static inline int clones = 0;
};

// The held exception is the source's own clone(), shown only under
// STATUSCODE_CRITICAL_ERROR; the held copy given back is cloned first.
TEST(GenericSessionStatusTest, ExceptionCopyIsVisibleOnlyUnderCriticalError) {
  ClientException::clones = 0;
  ClientException original("denied", 7);
  GenericSessionStatus status;
  status.setErrorException(&original);
  status.setStatusCode(ISessionStatus::STATUSCODE_ERROR);
  EXPECT_EQ(nullptr, status.getErrorException());
  status.setStatusCode(ISessionStatus::STATUSCODE_CRITICAL_ERROR);
  GenericException* held = status.getErrorException();
  ASSERT_NE(nullptr, held);
  EXPECT_EQ(1, ClientException::clones);
  EXPECT_EQ(typeid(ClientException), typeid(*held));
  EXPECT_STREQ("denied", held->getMessage());
  GenericSessionStatus copy(status);
  EXPECT_EQ(2, ClientException::clones);

  GenericException second("second", 2);
  status.setErrorException(&second);
  status.setErrorException(status.getErrorException());
  EXPECT_STREQ("second", status.getErrorException()->getMessage());
  status.setErrorException(nullptr);
  EXPECT_EQ(nullptr, status.getErrorException());
}

// Both copy constructors take every member, the hidden exception too.
TEST(GenericSessionStatusTest, CopyOwnsItsTextsAndExceptionWhateverTheCode) {
  auto source = std::make_unique<GenericSessionStatus>();
  GenericException e("lost", 3);
  source->setErrorException(&e);
  source->setStatusCode(ISessionStatus::STATUSCODE_CONNECTED);
  source->setQueueSize(12);
  source->setConnectionName("c");
  source->setProtocolName(ISessionStatus::CONNECT_TCP);
  source->setSecureProtocolString(ISessionStatus::CONNECT_SECURE);
  source->setStatusName("n");
  source->setStatusMessage("m");
  source->setStatusMessageID(ISessionStatus::MSGCODE_COMMBROKEN);

  GenericSessionStatus copy(*source);
  const GenericSessionStatus& constSource = *source;
  GenericSessionStatus constCopy(constSource);
  source.reset();

  for (GenericSessionStatus* status : {&copy, &constCopy}) {
    EXPECT_EQ("12|c|TCP|S|11|n|m|2|-", stateOf(*status));
    status->setStatusCode(ISessionStatus::STATUSCODE_CRITICAL_ERROR);
    EXPECT_EQ("12|c|TCP|S|15|n|m|2|lost", stateOf(*status));
  }
  EXPECT_NE(copy.getErrorException(), constCopy.getErrorException());
}
