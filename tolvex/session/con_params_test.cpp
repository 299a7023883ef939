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

// A string member as a comparable value; "-" for null.
std::string text(const char* member) {
  return member != nullptr ? member : "-";
}

// The address members that setUrl sets, as
// "provider|host|port|app|script|" and useHttp, useHex and secure as digits.
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
    TEXT_MEMBER(clientAddress, setClientAddress),
};

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

// Each text member holds its own name, every other member differs from its
// default, and the table holds old=1.
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

// A copy takes every member as its own copy, which outlives the original;
// clear() resets every member but the message settings, and drops the
// table. The defaults are those of clear(), with a table.
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

// Text setters copy, accept their own text, and clear on null. Without a
// table, optional parameters are ignored; clearing and the destructor skip
// it, a copy gets a new one, and a URL element's parameters bring one.
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
  EXPECT_STREQ("CHECK_SSL_ERROR", COptionalParametersConst::CHECK_SSL_ERROR);
  EXPECT_STREQ("N", COptionalParametersConst::CHECK_SSL_ERROR_DEFAULT);
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
  // Once the entry is gone, clearing works and the table stays.
  params.getOptionalParameters()->remove("number");
  params.clearOptionalParameters();
  EXPECT_EQ(0, params.getOptionalParameters()->size());

  // Such an entry makes a copy throw without leaking (under the leak
  // checker); the destructor drops it without throwing.
  params.getOptionalParameters()->put("z", 7);
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
      // host:port without a scheme; without a port none is chosen.
      {"tcp:host", nullptr, "tcp|host|-1|-|-|000"},
      // HTTP takes the path, and the default port by the secure attribute.
      {"HTTP:http://host/app/x", nullptr, "HTTP|host|80|app/x|app/x|110"},
      {"HTTP:http://host/app/x", "TRUE", "HTTP|host|443|app/x|app/x|111"},
      // An explicit port ends the host: the path is not taken.
      {"HTTP:https://host:8443/app", nullptr, "HTTP|host|8443|-|-|110"},
      // Other schemes lose only the ':' and keep their slashes; the default
      // port follows the secure attribute, not the scheme.
      {"S:ssl://host:99", nullptr, "S|//host|99|-|-|000"},
      {"H:HTTPS://h", "yes", "H|h|80|-|-|110"},
      // A port without digits is 0, which HTTP replaces by its default.
      {"H:http://h:abc/p", "true", "H|h|443|-|-|111"},
      {"tcp:host:12ab", nullptr, "tcp|host|12|-|-|000"},
      // Ports that do not fit an int saturate.
      {"t:h:-99999999999999", nullptr, "t|h|-2147483648|-|-|000"},
      // Degenerate texts still split by the same steps.
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

// Without an element, or with one whose URL text is absent or lacks a
// provider or scheme boundary, setUrl resets only the address members; an
// element's parameters, or none, replace the record's.
TEST(ConParams, SetUrlWithoutUsableUrlResetsOnlyTheAddress) {
  struct Row {
    bool element;     // false: setUrl(nullptr)
    const char* url;  // null: no URL text
    const char* params;
    const char* oldParam;  // old afterwards, "d" when gone
    const char* newParam;  // p afterwards, "d" when absent
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
    EXPECT_STREQ("uid", params.uid);
    EXPECT_STREQ(row.oldParam, params.getOptionalParameter("old", "d"));
    EXPECT_STREQ(row.newParam, params.getOptionalParameter("p", "d"));
  }
}

}  // namespace
