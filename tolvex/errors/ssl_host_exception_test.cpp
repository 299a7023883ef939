#include "tolvex/errors/ssl_host_exception.h"

#include <gtest/gtest.h>

#include <memory>

// Flags, unnamed bits included, come back unchanged through assignment and
// clones; assignment from a source without text keeps the own text.
TEST(SSLHostExceptionTest, FlagsTravelUnchanged) {
  const auto allBits = static_cast<SSLHostException::SecureFlags>(-1);
  SSLHostException target(SSLHostException::SECURE_FLAG_REVOKED, "old");
  target = SSLHostException(allBits, nullptr);
  EXPECT_STREQ("old", target.getMessage());
  std::unique_ptr<GenericException> clone(target.clone());
  EXPECT_EQ(allBits, dynamic_cast<SSLHostException&>(*clone).GetErrorFlags());
}
