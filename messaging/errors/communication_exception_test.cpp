#include "tolvex/errors/communication_exception.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SSLCommunicationExceptionTest, CopiesAndClonesDropSslCodeAndContext) {
  int context = 0;
  SSLCommunicationException e("s", 42, &context);
  EXPECT_EQ(42, e.getCodeError());
  EXPECT_EQ(-1, e.getErrorCode());
  EXPECT_EQ(nullptr, e.getServerCertContext());

  SSLCommunicationException copy(e);
  EXPECT_EQ(0, copy.getCodeError());
  EXPECT_STREQ("s", copy.getMessage());
  std::unique_ptr<GenericException> clone(e.clone());
  EXPECT_EQ(0, dynamic_cast<SSLCommunicationException&>(*clone).getCodeError());
}
