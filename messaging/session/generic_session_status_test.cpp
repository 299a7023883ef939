#include "tolvex/session/generic_session_status.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

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

// A status holding a copy of `e`, with `code` as its status code.
std::unique_ptr<GenericSessionStatus> statusWith(GenericException* e,
                                                 int code) {
  auto status = std::make_unique<GenericSessionStatus>();
  status->setErrorException(e);
  status->setStatusCode(code);
  return status;
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
  const int codes[] = {-3, 17, 1000, -1000, INT_MIN, INT_MAX};
  for (int code : codes) {
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
  const int outside[] = {22, -1, 1000, INT_MIN, INT_MAX};
  for (int code : outside) {
    EXPECT_STREQ("", GenericSessionStatus::getStatusMessage(code)) << code;
  }
}

TEST(GenericSessionStatusTest, ConnectionWordsAreExact) {
  EXPECT_STREQ("HTTP", ISessionStatus::CONNECT_HTTP);
  EXPECT_STREQ("TCP", ISessionStatus::CONNECT_TCP);
  EXPECT_STREQ("S", ISessionStatus::CONNECT_SECURE);
  EXPECT_STREQ(" ", ISessionStatus::CONNECT_NONSECURE);
}

TEST(GenericSessionStatusTest, NewStatusHasCodesButNoTexts) {
  GenericSessionStatus status;
  EXPECT_EQ(ISessionStatus::STATUSCODE_READY, status.getStatusCode());
  EXPECT_EQ(ISessionStatus::MSGCODE_NONE, status.getStatusMessageID());
  EXPECT_EQ(0, status.getQueueSize());
  EXPECT_EQ(nullptr, status.getStatusName());
  EXPECT_EQ(nullptr, status.getStatusMessage());
  EXPECT_EQ(nullptr, status.getConnectionName());
  EXPECT_EQ(nullptr, status.getProtocolName());
  EXPECT_EQ(nullptr, status.getSecureProtocolString());
  EXPECT_EQ(nullptr, status.getErrorException());

  // Codes do not derive texts.
  status.setStatusCode(ISessionStatus::STATUSCODE_CONNECTED);
  EXPECT_EQ(nullptr, status.getStatusName());
}

TEST(GenericSessionStatusTest, TextSettersCopyAndNullClears) {
  char text[] = "conn";
  GenericSessionStatus status;
  status.setConnectionName(text);
  text[0] = 'X';
  EXPECT_STREQ("conn", status.getConnectionName());
  // Its own text given back survives the replacement.
  status.setConnectionName(status.getConnectionName());
  EXPECT_STREQ("conn", status.getConnectionName());
  status.setConnectionName(nullptr);
  EXPECT_EQ(nullptr, status.getConnectionName());
}

TEST(GenericSessionStatusTest, ExceptionIsVisibleOnlyUnderCriticalError) {
  AuthenticationException original("denied", 7);
  auto status = statusWith(&original, ISessionStatus::STATUSCODE_ERROR);
  EXPECT_EQ(nullptr, status->getErrorException());

  status->setStatusCode(ISessionStatus::STATUSCODE_CRITICAL_ERROR);
  GenericException* held = status->getErrorException();
  ASSERT_NE(nullptr, held);
  // A clone, not the object passed in, of the same class.
  EXPECT_NE(&original, held);
  EXPECT_NE(nullptr, dynamic_cast<AuthenticationException*>(held));
  EXPECT_STREQ("denied", held->getMessage());
  EXPECT_EQ(7, held->getErrorCode());
}

// Leaks of replaced copies show under AddressSanitizer.
TEST(GenericSessionStatusTest, SettingAnExceptionReplacesOrDropsTheCopy) {
  GenericException first("first", 1);
  GenericException second("second", 2);
  auto status = statusWith(&first, ISessionStatus::STATUSCODE_CRITICAL_ERROR);
  status->setErrorException(&second);
  EXPECT_STREQ("second", status->getErrorException()->getMessage());
  // The held copy given back is cloned before the old one goes.
  status->setErrorException(status->getErrorException());
  EXPECT_STREQ("second", status->getErrorException()->getMessage());
  status->setErrorException(nullptr);
  EXPECT_EQ(nullptr, status->getErrorException());
}

TEST(GenericSessionStatusTest, CopyOwnsItsTextsAndExceptionWhateverTheCode) {
  GenericException e("lost", 3);
  auto source = statusWith(&e, ISessionStatus::STATUSCODE_CONNECTED);
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
    EXPECT_EQ(12, status->getQueueSize());
    EXPECT_STREQ("c", status->getConnectionName());
    EXPECT_STREQ("TCP", status->getProtocolName());
    EXPECT_STREQ("S", status->getSecureProtocolString());
    EXPECT_EQ(ISessionStatus::STATUSCODE_CONNECTED, status->getStatusCode());
    EXPECT_STREQ("n", status->getStatusName());
    EXPECT_STREQ("m", status->getStatusMessage());
    EXPECT_EQ(ISessionStatus::MSGCODE_COMMBROKEN, status->getStatusMessageID());
    EXPECT_EQ(nullptr, status->getErrorException());
    status->setStatusCode(ISessionStatus::STATUSCODE_CRITICAL_ERROR);
    ASSERT_NE(nullptr, status->getErrorException());
    EXPECT_STREQ("lost", status->getErrorException()->getMessage());
  }
  EXPECT_NE(copy.getErrorException(), constCopy.getErrorException());
}
