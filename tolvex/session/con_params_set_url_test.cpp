// Which calls of ConParams::setUrl compile, and that each reaches the same
// code. Built a second time with TOLVEX_SET_URL_WITH_TEXT, this file must
// fail to compile (the test ConParams.setUrlRejectsText).
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <string>

#include "tolvex/foundation/url_element.h"
#include "tolvex/session/con_params.h"

namespace {

// An element made by a client's own class, with a second base first.
struct Tagged {
  int tag = 7;
};
struct TaggedUrl : Tagged, UrlElement {};

}  // namespace

TEST(ConParamsSetUrlTest, EveryPointerFormReachesTheSameRules) {
  TaggedUrl url;
  url.addAttribute("urlString", "tcp:host:9000");
  UrlElement* element = &url;
  const struct {
    const char* call;
    std::function<void(ConParams&)> setUrl;
    const char* host;  // null: the address was reset
  } rows[] = {
      {"UrlElement*", [&](ConParams& p) { p.setUrl(element); }, "host"},
      {"const UrlElement*",
       [&](ConParams& p) { p.setUrl(static_cast<const UrlElement*>(element)); },
       "host"},
      {"derived class", [&](ConParams& p) { p.setUrl(&url); }, "host"},
      {"ConfigElement*",
       [&](ConParams& p) { p.setUrl(static_cast<ConfigElement*>(element)); },
       "host"},
      {"void*", [&](ConParams& p) { p.setUrl(static_cast<void*>(element)); },
       "host"},
      {"nullptr", [](ConParams& p) { p.setUrl(nullptr); }, nullptr},
      {"NULL", [](ConParams& p) { p.setUrl(NULL); }, nullptr},
  };
  for (const auto& row : rows) {
    ConParams params;
    params.setHost("old");
    params.setFullUrl("old");
    row.setUrl(params);
    EXPECT_EQ(row.host == nullptr, params.host == nullptr) << row.call;
    if (row.host != nullptr && params.host != nullptr) {
      EXPECT_STREQ(row.host, params.host) << row.call;
      EXPECT_EQ(9000, params.port) << row.call;
    }
    EXPECT_STREQ(row.host != nullptr ? "host:9000" : "old", params.fullUrl)
        << row.call;
  }
#ifdef TOLVEX_SET_URL_WITH_TEXT
  ConParams params;
  params.setUrl("tcp:host:9000");
#endif
}
