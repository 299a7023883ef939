#include "tolvex/session/con_params.h"

#include <gtest/gtest.h>
#include <strings.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>

#include "tolvex/errors/generic_exception.h"
#include "tolvex/errors/throw_assertions_test.h"
#include "tolvex/foundation/url_element.h"
#include "tolvex/protocol/fix_defs.h"

namespace {

// A URL element with the given URL text, secure attribute and parameter
// text; null leaves the attribute out.
std::unique_ptr<UrlElement> urlElement(const char* url,
                                       const char* secure = nullptr,
                                       const char* params = nullptr) {
  std::unique_ptr<UrlElement> element(new UrlElement());
  if (url != nullptr) element->addAttribute("urlString", url);
  if (secure != nullptr) element->addAttribute("secure", secure);
  if (params != nullptr) element->addAttribute("params", params);
  return element;
}

// A string member as a comparable value.
std::string text(const char* member) {
  return member != nullptr ? member : "(null)";
}

// A record with every string and option set, and two optional parameters.
void fill(ConParams& params) {
  params.setName("name");
  params.setHost("host");
  params.setPort(1);
  params.setUid("uid");
  params.setProxyHost("proxy");
  params.setProxyPort(2);
  params.setProxyHTTP11(false);
  params.setFullUrl("full");
  params.setAgent("agent");
  params.setAppInfo("info");
  params.setClientAddress("client");
  params.setPACUrl("pac");
  params.setMsgFlags(IFixDefs::CHANNEL_MARKET_DATA);
  params.setCheckConnection(true);
  params.setDoNotHashPassword(true);
  params.setOptionalParameter("k1", "v1");
  params.setOptionalParameter("k2", "v2");
}

TEST(ConParams, NewRecordHasTheDefaults) {
  ConParams params;
  EXPECT_TRUE(params.isEmpty());
  EXPECT_EQ(-1, params.port);
  EXPECT_EQ(-1, params.proxyPort);
  EXPECT_TRUE(params.proxyHTTP11);
  EXPECT_FALSE(params.useHttp || params.useHex || params.secure ||
               params.useProxy || params.checkConnection ||
               params.doNotHashPassword);
  EXPECT_EQ(IFixDefs::CHANNEL_SETTING_DEFAULT, params.msgFlags);
  EXPECT_EQ(nullptr, params.name);
  ASSERT_NE(nullptr, params.getOptionalParameters());
  EXPECT_EQ(0, params.getOptionalParameters()->size());
}

TEST(ConParams, SettersCopyAndNullClears) {
  ConParams params;
  char agent[] = "agent";
  params.setAgent(agent);
  agent[0] = 'X';
  EXPECT_STREQ("agent", params.agent);
  EXPECT_NE(agent, params.agent);

  params.setName("n");
  params.setUid("u");
  params.setProxyHost("p");
  EXPECT_TRUE(params.isEmpty());
  params.setHost("h");
  EXPECT_FALSE(params.isEmpty());
  params.setHost(nullptr);
  EXPECT_TRUE(params.isEmpty());

  // A member set from itself survives the release of its old copy.
  params.setName(params.name);
  EXPECT_STREQ("n", params.name);
  params.setAgent(nullptr);
  EXPECT_EQ(nullptr, params.agent);
}

TEST(ConParams, ClearKeepsOnlyTheMessageSettings) {
  ConParams params;
  fill(params);
  params.clear();
  for (const char* member :
       {params.name, params.host, params.uid, params.proxyHost, params.fullUrl,
        params.agent, params.appInfo, params.clientAddress, params.PACUrl}) {
    EXPECT_EQ(nullptr, member);
  }
  EXPECT_EQ(-1, params.port);
  EXPECT_EQ(-1, params.proxyPort);
  EXPECT_TRUE(params.proxyHTTP11);
  EXPECT_EQ(IFixDefs::CHANNEL_MARKET_DATA, params.msgFlags);
  EXPECT_TRUE(params.checkConnection);
  EXPECT_TRUE(params.doNotHashPassword);
  EXPECT_EQ(nullptr, params.getOptionalParameters());
}

TEST(ConParams, RecordWithoutTableIgnoresOptionalParameters) {
  ConParams params;
  params.clear();
  params.setOptionalParameter("k", "v");
  const char* fallback = "d";
  EXPECT_EQ(fallback, params.getOptionalParameter("k", fallback));
  params.clearOptionalParameters();
  params.clear();
  const ConParams copy(params);
  ASSERT_NE(nullptr, copy.optionalParameters);
  EXPECT_EQ(0, copy.optionalParameters->size());
  // Parameters from a URL element bring a new table.
  params.setUrl(urlElement("tcp:h:1", nullptr, "a=1").get());
  EXPECT_STREQ("1", params.getOptionalParameter("a", "d"));
}

TEST(ConParams, OptionalParameterRules) {
  ConParams params;
  char name[] = "CHECK_SSL_ERROR";
  char fallback[] = "N";
  // An absent name gives back the very pointer passed as the default.
  EXPECT_EQ(fallback, params.getOptionalParameter(name, fallback));

  params.setOptionalParameter(COptionalParametersConst::CHECK_SSL_ERROR, "Y");
  params.setOptionalParameter(COptionalParametersConst::CHECK_SSL_ERROR, "Z");
  EXPECT_EQ(1, params.getOptionalParameters()->size());
  EXPECT_STREQ("Z", params.getOptionalParameter(name, fallback));

  // A null value or name stores nothing.
  params.setOptionalParameter(name, nullptr);
  params.setOptionalParameter(nullptr, "v");
  EXPECT_EQ(1, params.getOptionalParameters()->size());
  EXPECT_STREQ("Z", params.getOptionalParameter(name, fallback));

  // An entry of another type is not a value: the default comes back.
  params.getOptionalParameters()->put("number", 7);
  EXPECT_STREQ("d", params.getOptionalParameter("number", "d"));
  // Clearing fails on it before freeing anything; clear() passes that on.
  EXPECT_THROWS_EXCEPTION(params.clearOptionalParameters(), GenericException,
                          "Type mismatch", -1);
  EXPECT_EQ(2, params.getOptionalParameters()->size());
  EXPECT_STREQ("Z", params.getOptionalParameter(name, fallback));
  EXPECT_THROWS_EXCEPTION(params.clear(), GenericException, "Type mismatch",
                          -1);
  // Once the entry is gone, clearing works and the table stays.
  params.getOptionalParameters()->remove("number");
  params.clearOptionalParameters();
  EXPECT_EQ(0, params.getOptionalParameters()->size());
}

TEST(ConParams, DestructorDropsEntriesOfAnotherType) {
  // Under the leak checker: the record and every value are released.
  std::unique_ptr<ConParams> params(new ConParams());
  params->setOptionalParameter("k", "v");
  params->getOptionalParameters()->put("number", 7);
  params->setAgent("agent");
  params.reset();
}

TEST(ConParams, PublishedParameterNames) {
  EXPECT_STREQ("CHECK_SSL_ERROR", COptionalParametersConst::CHECK_SSL_ERROR);
  EXPECT_STREQ("N", COptionalParametersConst::CHECK_SSL_ERROR_DEFAULT);
}

TEST(ConParams, CopyOwnsSeparateCopies) {
  std::unique_ptr<ConParams> original(new ConParams());
  fill(*original);
  original->getOptionalParameters()->put("none", static_cast<void*>(nullptr));
  ConParams copy(*original);
  EXPECT_NE(original->name, copy.name);
  EXPECT_NE(original->getOptionalParameter("k1", ""),
            copy.getOptionalParameter("k1", ""));
  original.reset();

  EXPECT_STREQ("name", copy.name);
  EXPECT_STREQ("client", copy.clientAddress);
  EXPECT_EQ(nullptr, copy.transportProvider);
  EXPECT_EQ(1, copy.port);
  EXPECT_FALSE(copy.proxyHTTP11);
  EXPECT_EQ(IFixDefs::CHANNEL_MARKET_DATA, copy.msgFlags);
  EXPECT_TRUE(copy.doNotHashPassword);
  EXPECT_STREQ("v2", copy.getOptionalParameter("k2", "d"));
  // A null value is copied as null, which reads as the default.
  EXPECT_TRUE(copy.optionalParameters->exists("none"));
  EXPECT_STREQ("d", copy.getOptionalParameter("none", "d"));
}

TEST(ConParams, CopyOfMalformedTableThrowsWithoutLeaking) {
  ConParams params;
  params.setName("leak check");
  params.setOptionalParameter("a", "1");
  params.getOptionalParameters()->put("z", "text entry");
  EXPECT_THROWS_EXCEPTION(ConParams copy(params), GenericException,
                          "Type mismatch", -1);
}

TEST(ConParams, SetUrlTable) {
  struct Row {
    const char* url;
    const char* secure;
    const char* provider;
    const char* host;
    int port;
    const char* path;  // app and script
    bool http;         // useHttp and useHex
  };
  const Row rows[] = {
      // host:port without a scheme; without a port none is chosen.
      {"tcp:host:9000", nullptr, "tcp", "host", 9000, nullptr, false},
      {"tcp:host", nullptr, "tcp", "host", -1, nullptr, false},
      // HTTP takes the path, and the default port by the secure attribute.
      {"HTTP:http://host/app/x", nullptr, "HTTP", "host", 80, "app/x", true},
      {"HTTP:http://host/app/x", "TRUE", "HTTP", "host", 443, "app/x", true},
      // An explicit port ends the host: the path is not taken.
      {"HTTP:https://host:8443/app", nullptr, "HTTP", "host", 8443, nullptr,
       true},
      // Other schemes lose only the ':' and keep their slashes.
      {"S:ssl://host:99", nullptr, "S", "//host", 99, nullptr, false},
      // The default port follows the secure attribute, not the scheme.
      {"H:HTTPS://h", "yes", "H", "h", 80, nullptr, true},
      // A port without digits is 0, which HTTP replaces by its default.
      {"H:http://h:abc/p", "true", "H", "h", 443, nullptr, true},
      {"tcp:host:12ab", nullptr, "tcp", "host", 12, nullptr, false},
      // Ports that do not fit an int saturate.
      {"t:h:99999999999999", nullptr, "t", "h", INT_MAX, nullptr, false},
      {"t:h:-99999999999999", nullptr, "t", "h", INT_MIN, nullptr, false},
      // A NUL ends the text.
      {"tcp:h\0ost:9", nullptr, "tcp", "h", -1, nullptr, false},
      // Degenerate texts still split by the same steps.
      {":", nullptr, "", "", -1, nullptr, false},
      {"::", nullptr, "", "", 0, nullptr, false},
      {"H:http:///", nullptr, "H", "", 80, "", true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.url);
    ConParams params;
    params.setUrl(urlElement(row.url, row.secure).get());
    EXPECT_EQ(row.provider, text(params.transportProvider));
    EXPECT_EQ(strchr(row.url, ':') + 1, text(params.fullUrl));
    EXPECT_EQ(row.host, text(params.host));
    EXPECT_EQ(row.port, params.port);
    EXPECT_EQ(text(row.path), text(params.app));
    EXPECT_EQ(text(row.path), text(params.script));
    EXPECT_EQ(row.http, params.useHttp);
    EXPECT_EQ(row.http, params.useHex);
    EXPECT_EQ(row.secure != nullptr && strcasecmp(row.secure, "true") == 0,
              params.secure);
  }
}

// A record whose address members, full URL and credentials are all set.
void fillAddress(ConParams& params) {
  params.setUrl(urlElement("H:https://old/app", "true", "old=1").get());
  params.setUid("uid");
}

void expectAddressReset(const ConParams& params) {
  EXPECT_EQ(nullptr, params.transportProvider);
  EXPECT_EQ(nullptr, params.host);
  EXPECT_EQ(-1, params.port);
  EXPECT_FALSE(params.useHttp || params.useHex || params.secure);
  EXPECT_EQ(nullptr, params.app);
  EXPECT_EQ(nullptr, params.script);
}

TEST(ConParams, SetUrlWithoutUrlTextResetsOnlyTheAddress) {
  ConParams params;
  fillAddress(params);
  params.setUrl(nullptr);
  expectAddressReset(params);
  EXPECT_STREQ("https://old/app", params.fullUrl);
  EXPECT_STREQ("uid", params.uid);
  EXPECT_STREQ("1", params.getOptionalParameter("old", "d"));

  // An element without URL text empties the optional parameters ...
  fillAddress(params);
  params.setUrl(urlElement(nullptr, "true").get());
  expectAddressReset(params);
  EXPECT_STREQ("https://old/app", params.fullUrl);
  EXPECT_EQ(0, params.getOptionalParameters()->size());
  // ... or replaces them with its own.
  params.setUrl(urlElement(nullptr, nullptr, "new = 2").get());
  EXPECT_STREQ("d", params.getOptionalParameter("old", "d"));
  EXPECT_STREQ("2", params.getOptionalParameter("new", "d"));
}

TEST(ConParams, SetUrlRefusesTextsWithoutBoundary) {
  const char* const refused[] = {"", "hostonly", "tcp://host", "P:a//b"};
  for (const char* url : refused) {
    SCOPED_TRACE(url);
    ConParams params;
    fillAddress(params);
    params.setUrl(urlElement(url, "true", "p=1").get());
    expectAddressReset(params);
    EXPECT_STREQ("https://old/app", params.fullUrl);
    EXPECT_STREQ("d", params.getOptionalParameter("old", "d"));
    EXPECT_STREQ("1", params.getOptionalParameter("p", "d"));
  }
}

}  // namespace
