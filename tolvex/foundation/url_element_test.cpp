#include "tolvex/foundation/url_element.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

// The pairs of a getParams result as "name=value;" in the table's order, or
// "null"; frees the values and deletes the table.
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
    const char* text;
    const char* pairs;
  };
  const Row rows[] = {
      // Blanks around names and values go; only the first "=" splits.
      {"a=1; b = two ;k=v=w;", "a=1;b=two;k=v=w;"},
      // No "=", "=" first, "=" last and empty segments are all skipped.
      {"x=;=y;z;;", "null"},
      {"", "null"},
      // Quotes are dropped, not honoured: the ";" inside them separates.
      {"p=\"a;b\"", "p=a;"},
      // Carriage returns and line feeds vanish anywhere, even inside names.
      {"na\r\nme=va\nlue", "name=value;"},
      // Only blanks are trimmed; a tab stays part of the value.
      {"   key  =\tv  ", "key=\tv;"},
      // Names keep their case; a later pair replaces an earlier one.
      {"Key=1;key=2;Key=3", "Key=3;key=2;"},
      // The "=" must lie inside its own segment.
      {"a;=b", "null"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.pairs, paramsOf(row.text)) << '"' << row.text << '"';
  }
}

}  // namespace
