#include "tolvex/session/con_params.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "tolvex/errors/generic_exception.h"
#include "tolvex/errors/throw_assertions_test.h"
#include "tolvex/foundation/url_element.h"
#include "tolvex/protocol/fix_defs.h"

namespace {

// A URL element with the given attributes; null leaves one out.
std::unique_ptr<UrlElement> urlElement(const char* url,
                                       const char* secure = nullptr,
                                       const char* params = nullptr) {
  std::unique_ptr<UrlElement> element(new UrlElement());
  if (url != nullptr) element->addAttribute("urlString", url);
  if (secure != nullptr) element->addAttribute("secure", secure);
  if (params != nullptr) element->addAttribute("params", params);
  return element;
}

// A string member as a comparable value; "-" for null.
std::string text(const char* member) {
  return member != nullptr ? member : "-";
}

// setUrl's members: "provider|host|port|app|script|" + useHttp useHex secure.
std::string addressOf(const ConParams& p) {
  return text(p.transportProvider) + "|" + text(p.host) + "|" +
         std::to_string(p.port) + "|" + text(p.app) + "|" + text(p.script) +
         "|" + std::to_string(p.useHttp) + std::to_string(p.useHex) +
         std::to_string(p.secure);
}

const char kNoAddress[] = "-|-|-1|-|-|000";

using TextSetter = void (ConParams::*)(const char*);

// Every owned text member with its setter.
struct TextMember {
  const char* name;
  char* ConParams::*member;
  TextSetter set;
};

#define TEXT_MEMBER(NAME, SETTER) \
  { #NAME, &ConParams::NAME, static_cast < TextSetter>(&ConParams::SETTER) }

const TextMember kTextMembers[] = {
    TEXT_MEMBER(name, setName),
    TEXT_MEMBER(transportProvider, setTransportProvider),
    TEXT_MEMBER(host, setHost),
    TEXT_MEMBER(script, setScript),
    TEXT_MEMBER(app, setApp),
    TEXT_MEMBER(uid, setUid),
    TEXT_MEMBER(upwd, setUpwd),
    TEXT_MEMBER(proxyHost, setProxyHost),
    TEXT_MEMBER(proxyUid, setProxyUid),
    TEXT_MEMBER(proxyPwd, setProxyPwd),
    TEXT_MEMBER(httpUid, setHttpUid),
    TEXT_MEMBER(httpPwd, setHttpPwd),
    TEXT_MEMBER(fullUrl, setFullUrl),
    TEXT_MEMBER(proxyType, setProxyType),
    TEXT_MEMBER(CAInfoFilePath, setCAInfoFilePath),
    TEXT_MEMBER(proxyAuthenticationRealm, setProxyAuthenticationRealm),
    TEXT_MEMBER(agent, setAgent),
    TEXT_MEMBER(appInfo, setAppInfo),
    TEXT_MEMBER(PACUrl, setPACUrl),
    TEXT_MEMBER(clientAddress, setClientAddress)};

#undef TEXT_MEMBER

// The members that are not texts, in declaration order.
std::string scalarsOf(const ConParams& p) {
  std::string state;
  for (long value :
       {long{p.port}, long{p.useHttp}, long{p.useHex}, long{p.secure},
        long{p.useProxy}, long{p.proxyPort}, long{p.proxyHTTP11}, p.msgFlags,
        long{p.checkConnection}, long{p.doNotHashPassword}}) {
    state += std::to_string(value) + "|";
  }
  return state;
}

// Each text member holds its own name, others differ from defaults, old=1.
void fill(ConParams& params) {
  for (const TextMember& m : kTextMembers) (params.*m.set)(m.name);
  params.setPort(1);
  params.setUseHttp(true);
  params.setUseHex(true);
  params.setSecure(true);
  params.setUseProxy(true);
  params.setProxyPort(2);
  params.setProxyHTTP11(false);
  params.setMsgFlags(IFixDefs::CHANNEL_MARKET_DATA);
  params.setCheckConnection(true);
  params.setDoNotHashPassword(true);
  params.setOptionalParameter("old", "1");
}

// A copy owns every member; clear() resets all but the message settings.
TEST(ConParams, EveryMemberIsCopiedAndCleared) {
  ConParams defaults;
  EXPECT_EQ("-1|0|0|0|0|-1|1|0|0|0|", scalarsOf(defaults));
  EXPECT_TRUE(defaults.isEmpty());
  auto original = std::make_unique<ConParams>();
  fill(*original);
  EXPECT_FALSE(original->isEmpty());
  original->getOptionalParameters()->put("none", static_cast<void*>(nullptr));
  ConParams copy(*original);
  EXPECT_NE(original->getOptionalParameter("old", ""),
            copy.getOptionalParameter("old", ""));
  original.reset();
  for (const TextMember& m : kTextMembers) {
    EXPECT_EQ(nullptr, defaults.*m.member) << m.name;
    EXPECT_STREQ(m.name, copy.*m.member);
  }
  EXPECT_EQ("1|1|1|1|1|2|0|1|1|1|", scalarsOf(copy));
  EXPECT_STREQ("1", copy.getOptionalParameter("old", "d"));
  // A null value is copied as null, which reads as the default.
  EXPECT_TRUE(copy.optionalParameters->exists("none"));
  EXPECT_STREQ("d", copy.getOptionalParameter("none", "d"));

  copy.clear();
  for (const TextMember& m : kTextMembers) {
    EXPECT_EQ(nullptr, copy.*m.member) << m.name;
  }
  EXPECT_EQ("-1|0|0|0|0|-1|1|1|1|1|", scalarsOf(copy));
  EXPECT_EQ(nullptr, copy.getOptionalParameters());
}

// Text setters copy and clear on null; without a table parameters are ignored.
TEST(ConParams, SettersAndAMissingTable) {
  ConParams params;
  char agent[] = "agent";
  params.setAgent(agent);
  agent[0] = 'X';
  params.setAgent(params.agent);
  EXPECT_STREQ("agent", params.agent);
  params.setAgent(nullptr);
  EXPECT_EQ(nullptr, params.agent);

  params.clear();
  params.setOptionalParameter("k", "v");
  const char* fallback = "d";
  EXPECT_EQ(fallback, params.getOptionalParameter("k", fallback));
  params.clearOptionalParameters();
  params.clear();
  const ConParams copy(params);
  EXPECT_EQ(0, copy.optionalParameters->size());
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
  EXPECT_STREQ("Z", params.getOptionalParameter(name, fallback));
  EXPECT_THROWS_EXCEPTION(params.clear(), GenericException, "Type mismatch",
                          -1);
  // A copy throws without leaking; the destructor drops it without throwing.
  EXPECT_THROWS_EXCEPTION(ConParams failed(params), GenericException,
                          "Type mismatch", -1);
}

TEST(ConParams, SetUrlTable) {
  struct Row {
    const char* url;
    const char* secure;
    const char* address;  // as addressOf() writes it
  };
  const Row rows[] = {
      {"tcp:host", nullptr, "tcp|host|-1|-|-|000"},
      {"HTTP:http://host/app/x", nullptr, "HTTP|host|80|app/x|app/x|110"},
      {"HTTP:http://host/app/x", "TRUE", "HTTP|host|443|app/x|app/x|111"},
      {"HTTP:https://host:8443/app", nullptr, "HTTP|host|8443|-|-|110"},
      {"S:ssl://host:99", nullptr, "S|//host|99|-|-|000"},
      {"H:http://h:abc/p", "true", "H|h|443|-|-|111"},
      {"t:h:-99999999999999", nullptr, "t|h|-2147483648|-|-|000"},
      {"::", nullptr, "||0|-|-|000"},
      {"H:http:///", nullptr, "H||80|||110"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.url);
    ConParams params;
    params.setUrl(urlElement(row.url, row.secure).get());
    EXPECT_EQ(row.address, addressOf(params));
    EXPECT_EQ(strchr(row.url, ':') + 1, text(params.fullUrl));
  }
}

// A missing or unusable URL resets only the address; the element's params win.
TEST(ConParams, SetUrlWithoutUsableUrlResetsOnlyTheAddress) {
  struct Row {
    bool element;  // false: setUrl(nullptr); "d": a parameter is absent
    const char *url, *params, *oldParam, *newParam;
  };
  const Row rows[] = {
      {false, nullptr, nullptr, "1", "d"}, {true, nullptr, nullptr, "d", "d"},
      {true, nullptr, "p = 2", "d", "2"},  {true, "hostonly", "p=2", "d", "2"},
      {true, "P:a//b", "p=2", "d", "2"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(text(row.url) + (row.element ? "" : " (no element)"));
    ConParams params;
    fill(params);
    const std::unique_ptr<UrlElement> element =
        urlElement(row.url, "true", row.params);
    params.setUrl(row.element ? element.get() : nullptr);
    EXPECT_EQ(kNoAddress, addressOf(params));
    EXPECT_STREQ("fullUrl", params.fullUrl);
    EXPECT_STREQ(row.oldParam, params.getOptionalParameter("old", "d"));
    EXPECT_STREQ(row.newParam, params.getOptionalParameter("p", "d"));
  }
}

}  // namespace
