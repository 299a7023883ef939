#include "tolvex/errors/authentication_exception.h"

#include <gtest/gtest.h>

#include <memory>

TEST(AuthenticationExceptionTest, CopyKeepsClassTextAndCode) {
  AuthenticationException source("denied", 401);
  AuthenticationException copy(source);
  EXPECT_STREQ("denied", copy.getMessage());
  EXPECT_EQ(401, copy.getErrorCode());
}

TEST(CCertificateAuthenticationExceptionTest, ReportsTheCertificateCodeApart) {
  CCertificateAuthenticationException e("c", 9);
  EXPECT_EQ(9, e.getCode());
  EXPECT_EQ(-1, e.getErrorCode());
  EXPECT_STREQ("c", e.getMessage());

  CCertificateAuthenticationException copy(e);
  EXPECT_EQ(9, copy.getCode());
  std::unique_ptr<GenericException> clone(e.clone());
  EXPECT_EQ(
      9, static_cast<CCertificateAuthenticationException&>(*clone).getCode());
}

TEST(CCertificateAuthenticationExceptionTest,
     AssignmentFromASourceWithoutTextLeavesNoText) {
  CCertificateAuthenticationException target("old", 1);
  target = CCertificateAuthenticationException(nullptr, 2);
  EXPECT_STREQ("", target.getMessage());
  EXPECT_EQ(2, target.getCode());

  target = CCertificateAuthenticationException("new", 3);
  EXPECT_STREQ("new", target.getMessage());
  EXPECT_EQ(3, target.getCode());
  EXPECT_EQ(-1, target.getErrorCode());
}

TEST(CCertificateAuthenticationExceptionTest, SelfAssignmentChangesNothing) {
  CCertificateAuthenticationException e("keep", 5);
  CCertificateAuthenticationException& self = e;
  e = self;
  EXPECT_STREQ("keep", e.getMessage());
  EXPECT_EQ(5, e.getCode());
}
