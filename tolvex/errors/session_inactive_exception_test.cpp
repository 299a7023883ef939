#include "tolvex/errors/session_inactive_exception.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SessionInactiveExceptionTest, TextIsPrefixedEvenWhenNull) {
  EXPECT_STREQ("ORA-499: x", SessionInactiveException("x").getMessage());
  EXPECT_STREQ("ORA-499: ", SessionInactiveException(nullptr).getMessage());
  EXPECT_EQ("ORA-499: ", prepareExceptionText2(nullptr));
}

TEST(SessionInactiveException2Test, SessionCodeOnlyThroughTheNonConstObject) {
  SessionInactiveException2 e(7, "x");
  const SessionInactiveException2& constant = e;
  GenericException& base = e;
  EXPECT_EQ(7, e.getErrorCode());
  EXPECT_EQ(-1, constant.getErrorCode());
  EXPECT_EQ(-1, base.getErrorCode());
  std::unique_ptr<GenericException> clone(e.clone());
  EXPECT_EQ(7, dynamic_cast<SessionInactiveException2&>(*clone).getErrorCode());
}
