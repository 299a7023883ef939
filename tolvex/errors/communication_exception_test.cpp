#include "tolvex/errors/communication_exception.h"

#include <gtest/gtest.h>

#include <memory>

// The context is never handed out; clones (made by the copy constructor)
// carry neither it nor the SSL code.
TEST(SSLCommunicationExceptionTest, ClonesDropSslCodeAndContext) {
  int context = 0;
  SSLCommunicationException e("s", 42, &context);
  EXPECT_EQ(42, e.getCodeError());
  EXPECT_EQ(nullptr, e.getServerCertContext());
  std::unique_ptr<GenericException> clone(e.clone());
  EXPECT_EQ(0, dynamic_cast<SSLCommunicationException&>(*clone).getCodeError());
}
