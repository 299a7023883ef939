#include "tolvex/errors/generic_exception.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>

#include "tolvex/errors/authentication_exception.h"
#include "tolvex/errors/communication_exception.h"
#include "tolvex/errors/illegal_request_exception.h"
#include "tolvex/errors/session_inactive_exception.h"
#include "tolvex/errors/session_timeout_exception.h"
#include "tolvex/errors/ssl_host_exception.h"

namespace {

// A client's exception: its text reads with a '!' in front; it logs setMessage.
template <typename Base>
class Marked : public Base {
 public:
  Marked(const char* text, int code) : Base(text, code) {}
  const char* getMessage() const override {
    shown_ = "!" + std::string(Base::getMessage());
    return shown_.c_str();
  }
  void setMessage(const char* text) override {
    sets += text != nullptr ? text : "(null)";
    sets += ';';
    Base::setMessage(text);
  }
  std::string sets;

 private:
  mutable std::string shown_;
};

}  // namespace

// Null or empty text reads as "" and never replaces a text, except in the
// certificate assignment.
TEST(GenericExceptionTest, NullOrEmptyTextIsNoText) {
  EXPECT_STREQ("", GenericException(nullptr, 5).getMessage());
  GenericException e("old", 1);
  e.setMessage("");
  e.setMessage(nullptr);
  EXPECT_STREQ("old", e.getMessage());
  e = GenericException(nullptr, 2);
  EXPECT_STREQ("old", e.getMessage());
  EXPECT_EQ(2, e.getErrorCode());
  CCertificateAuthenticationException cert("old", 1);
  cert = CCertificateAuthenticationException(nullptr, 2);
  EXPECT_STREQ("", cert.getMessage());
  CCertificateAuthenticationException& self = cert;
  cert = CCertificateAuthenticationException("new", 9);
  cert = self;
  EXPECT_STREQ("new", cert.getMessage());
  EXPECT_EQ(9, cert.getCode());
}

// The class each exception clones to, with its own text copy; the class's own
// data travels, but not an SSL code or context.
TEST(GenericExceptionTest, CloneFollowsTheFamilyTable) {
  const auto allBits = static_cast<SSLHostException::SecureFlags>(-1);
  int context = 0;
  struct Row {
    GenericException* source;  // deleted by the loop
    const std::type_info& cloneType;
    const char* text;
    int code;
  };
  const Row rows[] = {
      {new GenericException("g", 1), typeid(GenericException), "g", 1},
      {new AuthenticationException("a", 2), typeid(AuthenticationException),
       "a", 2},
      {new CCertificateAuthenticationException("c", 9),
       typeid(CCertificateAuthenticationException), "c", -1},
      {new SSLCommunicationException("s", 42, &context),
       typeid(SSLCommunicationException), "s", -1},
      {new IllegalRequestException("i"), typeid(GenericException), "i", -1},
      {new SessionInactiveException(nullptr), typeid(GenericException),
       "ORA-499: ", -1},
      {new SessionInactiveException2(7, "x"), typeid(SessionInactiveException2),
       "x", -1},
      {new SessionTimeoutException("t"), typeid(GenericException), "t", -1},
      {new SSLHostException(allBits, "h"), typeid(SSLHostException), "h", -1},
  };
  for (const Row& row : rows) {
    std::unique_ptr<GenericException> source(row.source);
    SCOPED_TRACE(typeid(*source).name());
    std::unique_ptr<GenericException> clone(source->clone());
    EXPECT_EQ(row.cloneType, typeid(*clone));
    EXPECT_STREQ(row.text, clone->getMessage());
    EXPECT_EQ(row.code, clone->getErrorCode());
    EXPECT_NE(source->getMessage(), clone->getMessage());
    if (auto* cert =
            dynamic_cast<CCertificateAuthenticationException*>(clone.get())) {
      EXPECT_EQ(9, cert->getCode());
    } else if (auto* ssl =
                   dynamic_cast<SSLCommunicationException*>(clone.get())) {
      EXPECT_EQ(0, ssl->getCodeError());
      EXPECT_EQ(nullptr, ssl->getServerCertContext());
    } else if (auto* host = dynamic_cast<SSLHostException*>(clone.get())) {
      EXPECT_EQ(allBits, host->GetErrorFlags());
    } else if (auto* inactive =
                   dynamic_cast<SessionInactiveException2*>(clone.get())) {
      EXPECT_EQ(7, inactive->getErrorCode());
      EXPECT_EQ(-1, static_cast<const SessionInactiveException2*>(inactive)
                        ->getErrorCode());
    }
  }
  EXPECT_EQ(42, SSLCommunicationException("s", 42, &context).getCodeError());
}

// Copies read the source's text through getMessage(), assignments store it
// through setMessage().
TEST(GenericExceptionTest, CopiesGoThroughTheVirtualTextOperations) {
  Marked<GenericException> source("s", 3);
  EXPECT_STREQ("!s", GenericException(source).getMessage());
  EXPECT_STREQ("!s",
               std::unique_ptr<GenericException>(source.clone())->getMessage());
  Marked<GenericException> target("t", 1);
  static_cast<GenericException&>(target) = source;
  EXPECT_EQ("!s;", target.sets);
  EXPECT_EQ(3, target.getErrorCode());

  const Marked<CCertificateAuthenticationException> cert("c", 4);
  EXPECT_STREQ("!c", CCertificateAuthenticationException(cert).getMessage());
  Marked<CCertificateAuthenticationException> certTarget("t", 1);
  static_cast<CCertificateAuthenticationException&>(certTarget) = cert;
  EXPECT_EQ("!c;", certTarget.sets);
  EXPECT_STREQ("!!c", certTarget.getMessage());
  EXPECT_EQ(4, certTarget.getCode());
}
