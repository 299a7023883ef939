#include "tolvex/errors/session_inactive_exception.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

TEST(PrepareExceptionText2Test, PrefixesTheText) {
  struct Row {
    const char* text;
    const char* expected;
  };
  const Row rows[] = {
      {"x", "ORA-499: x"},
      // The prefix alone, blank included.
      {"", "ORA-499: "},
      // A null text is taken as empty.
      {nullptr, "ORA-499: "},
      // Not decorated twice.
      {"ORA-499: y", "ORA-499: ORA-499: y"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.expected, prepareExceptionText2(row.text));
  }
}

TEST(SessionInactiveExceptionTest, TextIsPrefixedAndCodeIsMinusOne) {
  SessionInactiveException e("x");
  EXPECT_STREQ("ORA-499: x", e.getMessage());
  EXPECT_EQ(-1, e.getErrorCode());
  EXPECT_STREQ("ORA-499: ", SessionInactiveException("").getMessage());
  EXPECT_STREQ("ORA-499: ", SessionInactiveException(nullptr).getMessage());
}

TEST(SessionInactiveException2Test, SessionCodeOnlyThroughTheNonConstObject) {
  SessionInactiveException2 e(7, "x");
  const SessionInactiveException2& constant = e;
  GenericException& base = e;
  EXPECT_EQ(7, e.getErrorCode());
  EXPECT_EQ(-1, constant.getErrorCode());
  EXPECT_EQ(-1, base.getErrorCode());
  EXPECT_STREQ("x", e.getMessage());
}

TEST(SessionInactiveException2Test, CloneKeepsSessionCodeAndText) {
  SessionInactiveException2 e(7, "x");
  std::unique_ptr<GenericException> clone(e.clone());
  auto& session = dynamic_cast<SessionInactiveException2&>(*clone);
  EXPECT_EQ(7, session.getErrorCode());
  EXPECT_STREQ("x", session.getMessage());

  SessionInactiveException2 without(8, nullptr);
  std::unique_ptr<GenericException> bare(without.clone());
  EXPECT_STREQ("", bare->getMessage());
  EXPECT_EQ(8, dynamic_cast<SessionInactiveException2&>(*bare).getErrorCode());
}
