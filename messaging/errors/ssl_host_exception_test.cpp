#include "tolvex/errors/ssl_host_exception.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SSLHostExceptionTest, HandsBackTheFlagsUnchanged) {
  // Named bits combined, and bits the enumeration does not name.
  const SSLHostException::SecureFlags values[] = {
      static_cast<SSLHostException::SecureFlags>(
          SSLHostException::SECURE_FLAG_DATE_INVALID |
          SSLHostException::SECURE_FLAG_WRONG_HOST),
      static_cast<SSLHostException::SecureFlags>(-1)};
  for (SSLHostException::SecureFlags flags : values) {
    SSLHostException e(flags, "h");
    EXPECT_EQ(flags, e.GetErrorFlags());
    EXPECT_EQ(flags, SSLHostException(e).GetErrorFlags());
    std::unique_ptr<GenericException> clone(e.clone());
    EXPECT_EQ(flags, dynamic_cast<SSLHostException&>(*clone).GetErrorFlags());
  }
}

TEST(SSLHostExceptionTest, AssignmentTakesTheFlagsAndKeepsAnOwnText) {
  SSLHostException target(SSLHostException::SECURE_FLAG_REVOKED, "old");
  target =
      SSLHostException(SSLHostException::SECURE_FLAG_UNKNOWN_ISSUER, nullptr);
  EXPECT_EQ(SSLHostException::SECURE_FLAG_UNKNOWN_ISSUER,
            target.GetErrorFlags());
  EXPECT_STREQ("old", target.getMessage());
}
