// Which calls of ConParams::setUrl compile. Built with TOLVEX_SET_URL_WITH_TEXT
// this file must not (the test ConParams.setUrlRejectsText).
#include <gtest/gtest.h>

#include <cstddef>
#include <exception>

#include "tolvex/session/con_params.h"

TEST(ConParamsSetUrlTest, TypedUntypedAndNullPointersReachTheSameRules) {
  // A polymorphic first base puts the UrlElement part at an offset.
  struct TaggedUrl : std::exception, UrlElement {
  } url;
  url.addAttribute("urlString", "tcp:host:9000");
  ConfigElement* element = &url;
  ConParams params;
  params.setUrl(&url);  // typed: the pointer moves to the UrlElement part
  EXPECT_STREQ("host", params.host);
  params.setUrl(NULL);
  EXPECT_EQ(nullptr, params.host);
  params.setUrl(static_cast<void*>(element));
  params.setUrl(nullptr);
  params.setUrl(element);
  EXPECT_STREQ("host", params.host);
#ifdef TOLVEX_SET_URL_WITH_TEXT
  params.setUrl("tcp:host:9000");
#endif
}
