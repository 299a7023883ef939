#include "tolvex/errors/communication_exception.h"

#include <gtest/gtest.h>

#include <memory>

TEST(SSLCommunicationExceptionTest, KeepsTheSslCodeButNeverHandsOutTheContext) {
  int context = 0;
  SSLCommunicationException e("s", 42, &context);
  EXPECT_EQ(42, e.getCodeError());
  EXPECT_EQ(-1, e.getErrorCode());
  EXPECT_EQ(nullptr, e.getServerCertContext());
  EXPECT_STREQ("s", e.getMessage());
}

TEST(SSLCommunicationExceptionTest, CopiesAndClonesDropTheSslCode) {
  int context = 0;
  SSLCommunicationException e("s", 42, &context);
  SSLCommunicationException copy(e);
  EXPECT_EQ(0, copy.getCodeError());
  EXPECT_STREQ("s", copy.getMessage());
  EXPECT_EQ(-1, copy.getErrorCode());

  std::unique_ptr<GenericException> clone(e.clone());
  auto& ssl = dynamic_cast<SSLCommunicationException&>(*clone);
  EXPECT_EQ(0, ssl.getCodeError());
  EXPECT_EQ(nullptr, ssl.getServerCertContext());
  EXPECT_STREQ("s", ssl.getMessage());
}

TEST(CommunicationExceptionTest, IsCaughtAsCommunicationException) {
  try {
    throw static_cast<CommunicationException*>(
        new SSLCommunicationException("lost", 7, nullptr));
  } catch (CommunicationException* e) {
    std::unique_ptr<CommunicationException> owned(e);
    EXPECT_STREQ("lost", e->getMessage());
  }
}
