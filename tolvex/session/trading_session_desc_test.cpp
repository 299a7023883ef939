#include "tolvex/session/trading_session_desc.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The text form of `desc`, written into a buffer of `size` bytes.
std::string textOf(const TradingSessionDesc& desc, int size = 256) {
  std::string buffer(static_cast<std::size_t>(size), 'X');
  desc.toString(&buffer[0], size);
  return std::string(buffer.c_str());
}

// The four getters as "subID|ID|name|desc", with "-" for null.
std::string gettersOf(const TradingSessionDesc& desc) {
  auto show = [](const char* text) { return text != nullptr ? text : "-"; };
  return std::string(show(desc.getSubID())) + "|" + show(desc.getID()) + "|" +
         show(desc.getName()) + "|" + show(desc.getDesc());
}

}  // namespace

// Name and description fall back to the sub-ID, the description to the name,
// a null ID to "QELB"; no sub-ID or one byte short of room gives "".
TEST(TradingSessionDescTest, TextFormUsesEffectiveValues) {
  struct Row {
    const char *subID, *id, *name, *desc;
    int size;
    const char* text;
  };
  const Row rows[] = {
      {"S1", "I1", nullptr, nullptr, 256, "S1;I1;S1;S1"},
      {"S1", "I1", "N1", nullptr, 256, "S1;I1;N1;N1"},
      {"", nullptr, nullptr, nullptr, 256, ";QELB;;"},
      {nullptr, "I", "N", "D", 256, ""},
      {"S1", "I1", "N1", "D1", 12, "S1;I1;N1;D1"},
      {"S1", "I1", "N1", "D1", 11, ""},
  };
  for (const Row& row : rows) {
    TradingSessionDesc desc(row.subID, row.id, row.name, row.desc);
    EXPECT_EQ(row.text, textOf(desc, row.size)) << row.text << row.size;
  }
  const TradingSessionDesc desc("S1", "I1", "N1", "D1");
  desc.toString(nullptr, 10);
  char untouched[] = "abc";
  desc.toString(untouched, 0);
  EXPECT_STREQ("abc", untouched);
}

// Properties follow in name order, unescaped; non-strings and nulls are left
// out.
TEST(TradingSessionDescTest, TextFormListsStringProperties) {
  TradingSessionDesc desc;
  EXPECT_EQ(";QELB;;", textOf(desc));
  desc.setProperty("b", "2;x");
  desc.setProperty("b", nullptr);
  desc.setProperty(nullptr, "y");
  desc.setProperty("B", "=");
  desc.setProperty("a", "1");
  desc.getProperties()->put("n", 5);
  desc.getProperties()->put("p", static_cast<const char*>(nullptr));
  EXPECT_EQ(5, desc.getProperties()->size());
  EXPECT_EQ(";QELB;;;B==;a=1;b=2;x", textOf(desc));
}

// Parsing sets the sub-ID, ID and name only.
TEST(TradingSessionDescTest, ParseReadsSubIdIdAndNameOnly) {
  struct Row {
    const char *text, *getters;  // subID|ID|name|desc
  };
  const Row rows[] = {
      {"S1;I1;N1;D1;P=1", "S1|I1|N1|N1"},
      // A ';' at the end ends the reading; without an ID getID() falls back.
      {"S1;", "S1|QELB|S1|S1"},
      // An empty field takes the rest of the text, separators included.
      {"S1;;N1", "S1|;N1|S1|S1"},
      {"", "|QELB||"},
      {nullptr, "-|QELB|-|-"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text != nullptr ? row.text : "(null)");
    TradingSessionDesc desc("old", "old", "old", "old");
    desc.setProperty("p", "v");
    desc.setErrorCode(4);
    desc.setErrorMessage("e");
    desc.parse(row.text);
    EXPECT_EQ(row.getters, gettersOf(desc));
    EXPECT_EQ(row.getters, gettersOf(TradingSessionDesc(row.text)));
    EXPECT_EQ(1, desc.getProperties()->size());
    EXPECT_STREQ("e", desc.getErrorMessage());
  }
}

TEST(TradingSessionDescTest, PinRequiredOnlyForYIgnoringCase) {
  struct Row {
    const char* value;  // null: the property is absent
    bool required;
  };
  const Row rows[] = {{"y", true}, {"YES", false}, {nullptr, false}};
  for (const Row& row : rows) {
    TradingSessionDesc desc;
    desc.setProperty(TradingSessionDesc::PIN_REQUIRED, row.value);
    EXPECT_EQ(row.required, desc.pinRequired())
        << (row.value != nullptr ? row.value : "(absent)");
  }
}

// A copy owns the fallbacks as texts, properties and error; assignment keeps
// its own error text when the source has none; self-assignment is harmless.
TEST(TradingSessionDescTest, CopiesStoreEffectiveValuesAndOwnProperties) {
  TradingSessionDesc source("S1", nullptr, nullptr, nullptr);
  source.setProperty("p", "v");
  source.setErrorCode(9);
  TradingSessionDesc copy(source);
  copy.setSubID("other");
  EXPECT_EQ("other|QELB|S1|S1", gettersOf(copy));
  source.setProperty("p", "changed");
  EXPECT_STREQ("v", copy.getProperty("p"));
  EXPECT_EQ(9, copy.getErrorCode());

  copy.setProperty("old", "1");
  copy.setErrorMessage("kept");
  copy = source;
  EXPECT_EQ("S1|QELB|S1|S1", gettersOf(copy));
  EXPECT_EQ(nullptr, copy.getProperty("old"));
  EXPECT_STREQ("kept", copy.getErrorMessage());
  source.setErrorMessage("taken");
  TradingSessionDesc& self = copy;
  copy = source;
  copy = self;
  EXPECT_STREQ("taken", copy.getErrorMessage());
  EXPECT_STREQ("changed", copy.getProperty("p"));
}
