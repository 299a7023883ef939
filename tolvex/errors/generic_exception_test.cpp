#include "tolvex/errors/generic_exception.h"

#include <gtest/gtest.h>

#include <memory>
#include <typeinfo>

#include "tolvex/errors/authentication_exception.h"
#include "tolvex/errors/communication_exception.h"
#include "tolvex/errors/illegal_request_exception.h"
#include "tolvex/errors/session_inactive_exception.h"
#include "tolvex/errors/session_timeout_exception.h"
#include "tolvex/errors/ssl_host_exception.h"

// Null or empty text reads as "" and never replaces a text, neither by
// setMessage nor by assignment.
TEST(GenericExceptionTest, NullOrEmptyTextIsNoText) {
  EXPECT_STREQ("", GenericException(nullptr, 5).getMessage());
  EXPECT_STREQ("", GenericException("", 5).getMessage());
  GenericException e("old", 1);
  e.setMessage("");
  e.setMessage(nullptr);
  EXPECT_STREQ("old", e.getMessage());
  e = GenericException(nullptr, 2);
  EXPECT_STREQ("old", e.getMessage());
  EXPECT_EQ(2, e.getErrorCode());
  e.setMessage("x");
  EXPECT_STREQ("x", e.getMessage());
}

// Which class each member of the family clones to; four clone to a plain
// GenericException. Every clone has its own copy of the text and the code.
TEST(GenericExceptionTest, CloneFollowsTheFamilyTable) {
  struct Row {
    GenericException* source;  // deleted by the loop
    const std::type_info& cloneType;
    const char* text;
    int code;
  };
  const Row rows[] = {
      {new GenericException("g", 1), typeid(GenericException), "g", 1},
      {new AuthenticationException("a", 2), typeid(AuthenticationException),
       "a", 2},
      {new CCertificateAuthenticationException("c", 9),
       typeid(CCertificateAuthenticationException), "c", -1},
      {new CommunicationException("m", 3), typeid(GenericException), "m", 3},
      {new SSLCommunicationException("s", 42, nullptr),
       typeid(SSLCommunicationException), "s", -1},
      {new IllegalRequestException("i"), typeid(GenericException), "i", -1},
      {new SessionInactiveException("x"), typeid(GenericException),
       "ORA-499: x", -1},
      {new SessionInactiveException2(7, "x"), typeid(SessionInactiveException2),
       "x", -1},
      {new SessionTimeoutException("t"), typeid(GenericException), "t", -1},
      {new SSLHostException(SSLHostException::SECURE_FLAGS_NONE, "h"),
       typeid(SSLHostException), "h", -1},
  };
  for (const Row& row : rows) {
    std::unique_ptr<GenericException> source(row.source);
    SCOPED_TRACE(typeid(*source).name());
    std::unique_ptr<GenericException> clone(source->clone());
    EXPECT_EQ(row.cloneType, typeid(*clone));
    EXPECT_STREQ(row.text, clone->getMessage());
    EXPECT_EQ(row.code, clone->getErrorCode());
    EXPECT_NE(source->getMessage(), clone->getMessage());
  }
}
