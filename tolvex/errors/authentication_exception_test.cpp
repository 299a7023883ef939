#include "tolvex/errors/authentication_exception.h"

#include <gtest/gtest.h>

#include <memory>

// Unlike GenericException, assignment from a source without text leaves no
// text; the certificate code travels with assignment and clones.
TEST(CCertificateAuthenticationExceptionTest, AssignmentAndCloneKeepTheCode) {
  CCertificateAuthenticationException target("old", 1);
  target = CCertificateAuthenticationException(nullptr, 2);
  EXPECT_STREQ("", target.getMessage());
  EXPECT_EQ(2, target.getCode());
  target = CCertificateAuthenticationException("new", 9);
  CCertificateAuthenticationException& self = target;
  target = self;
  EXPECT_STREQ("new", target.getMessage());
  std::unique_ptr<GenericException> clone(target.clone());
  EXPECT_EQ(
      9, dynamic_cast<CCertificateAuthenticationException&>(*clone).getCode());
}
