#include "tolvex/errors/ssl_host_exception.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const auto kExpiredElsewhere = static_cast<SSLHostException::SecureFlags>(
    SSLHostException::SECURE_FLAG_DATE_INVALID |
    SSLHostException::SECURE_FLAG_WRONG_HOST);

}  // namespace

TEST(SSLHostExceptionTest, HandsBackTheFlagsUnchanged) {
  const SSLHostException::SecureFlags values[] = {
      SSLHostException::SECURE_FLAGS_NONE, kExpiredElsewhere,
      // Bits the enumeration does not name are kept too.
      static_cast<SSLHostException::SecureFlags>(0x7fff0000),
      static_cast<SSLHostException::SecureFlags>(-1)};
  for (SSLHostException::SecureFlags flags : values) {
    SSLHostException e(flags, "h");
    EXPECT_EQ(flags, e.GetErrorFlags());
    EXPECT_EQ(-1, e.getErrorCode());
    EXPECT_STREQ("h", e.getMessage());
  }
}

TEST(SSLHostExceptionTest, CopyCloneAndAssignmentCarryTheFlags) {
  SSLHostException e(kExpiredElsewhere, "h");
  EXPECT_EQ(kExpiredElsewhere, SSLHostException(e).GetErrorFlags());

  std::unique_ptr<GenericException> clone(e.clone());
  EXPECT_EQ(kExpiredElsewhere,
            dynamic_cast<SSLHostException&>(*clone).GetErrorFlags());

  SSLHostException target(SSLHostException::SECURE_FLAG_REVOKED, "old");
  target = SSLHostException(kExpiredElsewhere, nullptr);
  EXPECT_EQ(kExpiredElsewhere, target.GetErrorFlags());
  // The base assignment keeps the own text when the source has none.
  EXPECT_STREQ("old", target.getMessage());
}
