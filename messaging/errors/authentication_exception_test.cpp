#include "tolvex/errors/authentication_exception.h"

#include <gtest/gtest.h>

#include <memory>

TEST(CCertificateAuthenticationExceptionTest, ReportsTheCertificateCodeApart) {
  CCertificateAuthenticationException e("c", 9);
  EXPECT_EQ(9, e.getCode());
  EXPECT_EQ(-1, e.getErrorCode());
  EXPECT_EQ(9, CCertificateAuthenticationException(e).getCode());
  std::unique_ptr<GenericException> clone(e.clone());
  EXPECT_EQ(
      9, dynamic_cast<CCertificateAuthenticationException&>(*clone).getCode());
}

TEST(CCertificateAuthenticationExceptionTest,
     AssignmentFromASourceWithoutTextLeavesNoText) {
  CCertificateAuthenticationException target("old", 1);
  target = CCertificateAuthenticationException(nullptr, 2);
  EXPECT_STREQ("", target.getMessage());
  EXPECT_EQ(2, target.getCode());
  target = CCertificateAuthenticationException("new", 3);
  CCertificateAuthenticationException& self = target;
  target = self;
  EXPECT_STREQ("new", target.getMessage());
  EXPECT_EQ(3, target.getCode());
}
