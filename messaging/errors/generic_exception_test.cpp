#include "tolvex/errors/generic_exception.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <typeinfo>

#include "tolvex/errors/authentication_exception.h"
#include "tolvex/errors/communication_exception.h"
#include "tolvex/errors/illegal_request_exception.h"
#include "tolvex/errors/session_inactive_exception.h"
#include "tolvex/errors/session_timeout_exception.h"
#include "tolvex/errors/ssl_host_exception.h"
#include "tolvex/errors/throw_assertions_test.h"

TEST(GenericExceptionTest, NullOrEmptyTextReadsAsEmptyAndKeepsTheCode) {
  GenericException none(nullptr, 5);
  GenericException empty("", 5);
  EXPECT_STREQ("", none.getMessage());
  EXPECT_STREQ("", empty.getMessage());
  EXPECT_EQ(5, none.getErrorCode());
  EXPECT_EQ(5, empty.getErrorCode());
}

TEST(GenericExceptionTest, KeepsItsOwnCopyOfTheText) {
  char text[] = "abc";
  GenericException e(text, 0);
  text[0] = 'X';
  EXPECT_STREQ("abc", e.getMessage());
}

TEST(GenericExceptionTest, SetMessageIgnoresNullAndEmptyText) {
  GenericException e("old", 1);
  e.setMessage("");
  EXPECT_STREQ("old", e.getMessage());
  e.setMessage(nullptr);
  EXPECT_STREQ("old", e.getMessage());
  e.setMessage("x");
  EXPECT_STREQ("x", e.getMessage());
  // Its own text as the new one.
  e.setMessage(e.getMessage());
  EXPECT_STREQ("x", e.getMessage());
}

TEST(GenericExceptionTest, CopyTakesTextAndCode) {
  const GenericException source("text", 3);
  GenericException copy(source);
  EXPECT_STREQ("text", copy.getMessage());
  EXPECT_EQ(3, copy.getErrorCode());
  EXPECT_NE(source.getMessage(), copy.getMessage());

  GenericException without(GenericException(nullptr, 4));
  EXPECT_STREQ("", without.getMessage());
  EXPECT_EQ(4, without.getErrorCode());
}

TEST(GenericExceptionTest, AssignmentFromASourceWithoutTextKeepsTheOwnText) {
  GenericException target("old", 1);
  target = GenericException(nullptr, 2);
  EXPECT_STREQ("old", target.getMessage());
  EXPECT_EQ(2, target.getErrorCode());

  target = GenericException("new", 3);
  EXPECT_STREQ("new", target.getMessage());
  EXPECT_EQ(3, target.getErrorCode());

  GenericException& self = target;
  target = self;
  EXPECT_STREQ("new", target.getMessage());
  EXPECT_EQ(3, target.getErrorCode());
}

TEST(GenericExceptionTest, IsCaughtByPointerAsTheRootOfTheFamily) {
  EXPECT_THROWS_EXCEPTION(throw new GenericException("boom", 12),
                          GenericException, "boom", 12);
  try {
    throw new SSLHostException(SSLHostException::SECURE_FLAG_REVOKED, "h");
  } catch (GenericException* e) {
    std::unique_ptr<GenericException> owned(e);
    EXPECT_STREQ("h", e->getMessage());
    EXPECT_NE(nullptr, dynamic_cast<SSLHostException*>(e));
  }
}

// Which class each member of the family clones to. Four classes clone to a
// plain GenericException; every clone keeps the text and the virtual error
// code.
TEST(GenericExceptionTest, CloneFollowsTheFamilyTable) {
  struct Row {
    std::function<GenericException*()> make;
    const std::type_info& cloneType;
    const char* text;
    int code;
  };
  const Row rows[] = {
      {[] { return new GenericException("g", 1); }, typeid(GenericException),
       "g", 1},
      {[] { return new AuthenticationException("a", 2); },
       typeid(AuthenticationException), "a", 2},
      {[] { return new CCertificateAuthenticationException("c", 9); },
       typeid(CCertificateAuthenticationException), "c", -1},
      // Drops its class.
      {[] { return new CommunicationException("m", 3); },
       typeid(GenericException), "m", 3},
      {[] { return new SSLCommunicationException("s", 42, nullptr); },
       typeid(SSLCommunicationException), "s", -1},
      // Drops its class.
      {[] { return new IllegalRequestException("i"); },
       typeid(GenericException), "i", -1},
      // Drops its class.
      {[] { return new SessionInactiveException("x"); },
       typeid(GenericException), "ORA-499: x", -1},
      {[] { return new SessionInactiveException2(7, "x"); },
       typeid(SessionInactiveException2), "x", -1},
      // Drops its class.
      {[] { return new SessionTimeoutException("t"); },
       typeid(GenericException), "t", -1},
      {[] {
         return new SSLHostException(SSLHostException::SECURE_FLAGS_NONE, "h");
       },
       typeid(SSLHostException), "h", -1},
  };
  for (const Row& row : rows) {
    std::unique_ptr<GenericException> source(row.make());
    SCOPED_TRACE(typeid(*source).name());
    std::unique_ptr<GenericException> clone(source->clone());
    EXPECT_EQ(row.cloneType, typeid(*clone));
    EXPECT_STREQ(row.text, clone->getMessage());
    EXPECT_EQ(row.code, clone->getErrorCode());
    EXPECT_NE(source->getMessage(), clone->getMessage());
  }
}
