#include "tolvex/session/generic_session_status.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>

#include "tolvex/errors/authentication_exception.h"
#include "tolvex/errors/generic_exception.h"

namespace {

// Expected values are typed here, not derived from the definitions. Each row
// names its constant once; the macro spells the name and takes the address.
struct CodeRow {
  const char* constantName;
  const int* constant;
  int value;
  const char* text;  // status name or message text for the code
};

#define CODE(NAME, VALUE, TEXT) \
  { #NAME, &ISessionStatus::NAME, (VALUE), (TEXT) }

const CodeRow kStatusCodes[] = {
    CODE(STATUSCODE_ERROR, -2, "Error"),
    CODE(STATUSCODE_DISCONNECTED, -1, "Disconnected"),
    CODE(STATUSCODE_READY, 0, "Ready"),
    CODE(STATUSCODE_CONNECTING, 1, "Connecting"),
    CODE(STATUSCODE_SENDING, 2, "Sending"),
    CODE(STATUSCODE_RECIEVING, 3, "Receiving"),
    CODE(STATUSCODE_PROCESSING, 4, "Processing"),
    CODE(STATUSCODE_DISCONNECTING, 5, "Disconnecting"),
    CODE(STATUSCODE_LOGGEDIN, 6, "Logged In"),
    CODE(STATUSCODE_WAIT, 7, "Waiting"),
    CODE(STATUSCODE_EXPIRED, 8, "Expired"),
    CODE(STATUSCODE_SHUTDOWN, 9, "Shutdown"),
    CODE(STATUSCODE_FORCED_RELOGIN, 10, "Forced relogin"),
    CODE(STATUSCODE_CONNECTED, 11, "Connected"),
    CODE(STATUSCODE_LOGGINGIN, 12, "Logging in"),
    CODE(STATUSCODE_ATTACHING, 13, "Attaching"),
    // The last three codes have no name of their own.
    CODE(STATUSCODE_EXTRA_AUTH_PASSED, 14, "Unknown"),
    CODE(STATUSCODE_CRITICAL_ERROR, 15, "Unknown"),
    CODE(STATUSCODE_RELOGIN_FAILED, 16, "Unknown"),
};

const CodeRow kMessageCodes[] = {
    CODE(MSGCODE_NONE, 0, ""),
    CODE(MSGCODE_SENDINGREQUEST, 1, "Sending request..."),
    CODE(MSGCODE_COMMBROKEN, 2, "Communication broken."),
    CODE(MSGCODE_TIMEOUT, 3, "Session expired, login required."),
    CODE(MSGCODE_REQFAILED, 4, "Request failed."),
    CODE(MSGCODE_REQSENT, 5, "Request sent."),
    CODE(MSGCODE_CMDFAILED, 6, "Command failed."),
    CODE(MSGCODE_COMMRESTORE, 7, "Restoring connection..."),
    CODE(MSGCODE_COMMRESTORED, 8, "Connection restored."),
    CODE(MSGCODE_CONNECTING, 9, "Connecting to the Server..."),
    CODE(MSGCODE_CONNFAILED, 10, "Failed to connect to the server."),
    CODE(MSGCODE_LOGINFAILED, 11, "Login failed."),
    CODE(MSGCODE_CONNECTED, 12, "Connected to the Server."),
    CODE(MSGCODE_DISCONNECTING, 13, "Disconnecting from the Server."),
    CODE(MSGCODE_SESSNCLOSED, 14, "Session closed."),
    CODE(MSGCODE_COMMNOTINIT, 15, "Connection not initiated."),
    CODE(MSGCODE_ASYNCFAILD, 16, "Failed to create async receiver."),
    // Shares its text with MSGCODE_TIMEOUT.
    CODE(MSGCODE_SESSIONEXPIRED, 17, "Session expired, login required."),
    CODE(MSGCODE_WRONGSEQNO, 18, "Gap withing message sequence."),
    CODE(MSGCODE_EXTRA_AUTH_FAILED, 19, "Extra authorization failed."),
    CODE(MSGCODE_EXTRA_AUTH_STARTED, 20, "Extra authorization started."),
    CODE(MSGCODE_RECONNETING, 21, "The session is being reconnecting."),
};

#undef CODE

// Every member as "queue|connection|protocol|secure|code|name|message|
// message code|exception text", "-" for null.
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

// Must run before any test that fills the message table; CTest runs each
// test in a process of its own.
TEST(GenericSessionStatusTest, MessageTableIsEmptyUntilFilled) {
  for (const CodeRow& row : kMessageCodes) {
    EXPECT_EQ(nullptr, GenericSessionStatus::getStatusMessage(row.value))
        << row.constantName;
  }
  EXPECT_EQ(nullptr, GenericSessionStatus::getStatusMessage(-1));
}

TEST(GenericSessionStatusTest, StatusCodesHaveTheirValuesAndNames) {
  for (const CodeRow& row : kStatusCodes) {
    SCOPED_TRACE(row.constantName);
    EXPECT_EQ(row.value, *row.constant);
    EXPECT_STREQ(row.text, GenericSessionStatus::getStatusName(row.value));
  }
  // Codes outside the name table.
  for (int code : {-3, 17, INT_MIN, INT_MAX}) {
    EXPECT_STREQ("Unknown", GenericSessionStatus::getStatusName(code)) << code;
  }
}

TEST(GenericSessionStatusTest, FilledMessageTableGivesTheTexts) {
  EXPECT_TRUE(GenericSessionStatus::initMessageTable());
  // A second fill and a clear change nothing.
  EXPECT_TRUE(GenericSessionStatus::initMessageTable());
  GenericSessionStatus::clearMessageTable();
  for (const CodeRow& row : kMessageCodes) {
    SCOPED_TRACE(row.constantName);
    EXPECT_EQ(row.value, *row.constant);
    EXPECT_STREQ(row.text, GenericSessionStatus::getStatusMessage(row.value));
  }
  // Codes outside the table give the text of MSGCODE_NONE.
  for (int code : {22, -1, INT_MIN, INT_MAX}) {
    EXPECT_STREQ("", GenericSessionStatus::getStatusMessage(code)) << code;
  }
}

TEST(GenericSessionStatusTest, ConnectionWordsAreExact) {
  EXPECT_STREQ("HTTP", ISessionStatus::CONNECT_HTTP);
  EXPECT_STREQ("TCP", ISessionStatus::CONNECT_TCP);
  EXPECT_STREQ("S", ISessionStatus::CONNECT_SECURE);
  EXPECT_STREQ(" ", ISessionStatus::CONNECT_NONSECURE);
}

// A new status has codes but no texts; codes do not derive texts; text
// setters copy, accept their own text and clear on null.
TEST(GenericSessionStatusTest, DefaultsAndTextSetters) {
  GenericSessionStatus status;
  EXPECT_EQ("0|-|-|-|0|-|-|0|-", stateOf(status));
  status.setStatusCode(ISessionStatus::STATUSCODE_CONNECTED);
  EXPECT_EQ(nullptr, status.getStatusName());
  char text[] = "conn";
  status.setConnectionName(text);
  text[0] = 'X';
  status.setConnectionName(status.getConnectionName());
  EXPECT_STREQ("conn", status.getConnectionName());
  status.setConnectionName(nullptr);
  EXPECT_EQ(nullptr, status.getConnectionName());
}

// The held exception is a clone of the same class, visible only under
// STATUSCODE_CRITICAL_ERROR; setting one replaces or drops the copy, and the
// held copy given back is cloned before the old one goes (leaks show under
// AddressSanitizer).
TEST(GenericSessionStatusTest, ExceptionCopyIsVisibleOnlyUnderCriticalError) {
  AuthenticationException original("denied", 7);
  GenericSessionStatus status;
  status.setErrorException(&original);
  status.setStatusCode(ISessionStatus::STATUSCODE_ERROR);
  EXPECT_EQ(nullptr, status.getErrorException());
  status.setStatusCode(ISessionStatus::STATUSCODE_CRITICAL_ERROR);
  GenericException* held = status.getErrorException();
  ASSERT_NE(nullptr, held);
  EXPECT_NE(&original, held);
  EXPECT_NE(nullptr, dynamic_cast<AuthenticationException*>(held));
  EXPECT_STREQ("denied", held->getMessage());
  EXPECT_EQ(7, held->getErrorCode());

  GenericException second("second", 2);
  status.setErrorException(&second);
  status.setErrorException(status.getErrorException());
  EXPECT_STREQ("second", status.getErrorException()->getMessage());
  status.setErrorException(nullptr);
  EXPECT_EQ(nullptr, status.getErrorException());
}

// Both copy constructors take every member, and their own clone of the
// exception even while the source's code hides it.
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
