#include "tolvex/foundation/url_element.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// A getParams result as "name=value;" pairs or "null"; frees it all.
std::string describe(StdHashTable* table) {
  if (table == nullptr) return "null";
  std::string text;
  for (bool more = table->firstElement() != nullptr; more;
       more = table->nextElement() != nullptr) {
    char* value = static_cast<char*>(table->getPointer());
    text += std::string(table->getName()) + "=" + value + ";";
    free(value);
  }
  delete table;
  return text;
}

std::string paramsOf(const char* text) {
  UrlElement url;
  url.addAttribute("PARAMS", text);
  return describe(url.getParams());
}

TEST(UrlElement, GettersFindAttributesInAnyCaseOrGiveNull) {
  const struct {
    const char* name;
    const char* (UrlElement::*get)();
  } rows[] = {{"URLSTRING", &UrlElement::getUrlString},
              {"Protocol", &UrlElement::getProtocol},
              {"secure", &UrlElement::getSecure},
              {"NaMe", &UrlElement::getName}};
  UrlElement url, bare;
  for (const auto& row : rows) {
    url.addAttribute(row.name, row.name);
    EXPECT_STREQ(row.name, (url.*row.get)());
    EXPECT_EQ(nullptr, (bare.*row.get)()) << row.name;
  }
  EXPECT_STREQ("url", bare.getType());
  EXPECT_EQ(nullptr, bare.getParams());
}

TEST(UrlElement, ParamsGrammar) {
  struct Row {
    const char *text, *pairs;
  };
  const Row rows[] = {
      // Blanks around go; the first "=" splits; CR and LF vanish; "=" must be
      // in its own segment; names keep case, a later pair wins.
      {"a=1; b = two ;k=v=w;", "a=1;b=two;k=v=w;"},
      {"x=;=y;z;;", "null"},
      // Quotes are dropped, not honoured: the ";" inside them separates.
      {"p=\"a;b\"", "p=a;"},
      {"na\r\nme=va\nlue", "name=value;"},
      {"Key=1;key=2;Key=3", "Key=3;key=2;"},
      {"a;=b", "null"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.pairs, paramsOf(row.text)) << '"' << row.text << '"';
  }
}

}  // namespace
