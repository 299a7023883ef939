#include "tolvex/session/trading_session_desc.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

// The text form of `desc`, written into a buffer of `size` bytes.
std::string textOf(const TradingSessionDesc& desc, int size = 256) {
  std::string buffer(static_cast<std::size_t>(size), 'X');
  desc.toString(&buffer[0], size);
  return std::string(buffer.c_str());
}

// The four getters as "subID|ID|name|desc", with "(null)" for null.
std::string gettersOf(const TradingSessionDesc& desc) {
  auto show = [](const char* text) {
    return text != nullptr ? std::string(text) : std::string("(null)");
  };
  return show(desc.getSubID()) + "|" + show(desc.getID()) + "|" +
         show(desc.getName()) + "|" + show(desc.getDesc());
}

}  // namespace

TEST(TradingSessionDescTest, TextFormUsesEffectiveValuesAndProperties) {
  struct Row {
    std::function<void(TradingSessionDesc&)> fill;
    const char* text;
  };
  const Row rows[] = {
      // A default descriptor: empty sub-ID, ID "QELB", name and description
      // fall back to the sub-ID.
      {[](TradingSessionDesc&) {}, ";QELB;;"},
      // Name and description fall back to the sub-ID.
      {[](TradingSessionDesc& d) {
         d = TradingSessionDesc("S1", "I1", nullptr, nullptr);
       },
       "S1;I1;S1;S1"},
      // The description falls back to the name.
      {[](TradingSessionDesc& d) {
         d = TradingSessionDesc("S1", "I1", "N1", nullptr);
       },
       "S1;I1;N1;N1"},
      // A null ID prints as "QELB".
      {[](TradingSessionDesc& d) { d.setID(nullptr); }, ";QELB;;"},
      // Without a sub-ID the text is empty, even with a name.
      {[](TradingSessionDesc& d) {
         d.setSubID(nullptr);
         d.setName("N");
       },
       ""},
      // Properties follow in name order, unescaped.
      {[](TradingSessionDesc& d) {
         d = TradingSessionDesc("S", "I", "N", "D");
         d.setProperty("b", "2;x");
         d.setProperty("B", "=");
         d.setProperty("a", "1");
       },
       "S;I;N;D;B==;a=1;b=2;x"},
      // Properties that are not strings, or null texts, are left out.
      {[](TradingSessionDesc& d) {
         d.getProperties()->put("n", 5);
         d.getProperties()->put("p", static_cast<const char*>(nullptr));
         d.setProperty("s", "v");
       },
       ";QELB;;;s=v"},
  };
  for (const Row& row : rows) {
    TradingSessionDesc desc;
    row.fill(desc);
    EXPECT_EQ(row.text, textOf(desc)) << row.text;
  }
}

TEST(TradingSessionDescTest, ToStringNeedsRoomForTheTerminatingNul) {
  TradingSessionDesc desc("S1", "I1", "N1", "D1");  // 11 characters
  EXPECT_EQ("S1;I1;N1;D1", textOf(desc, 12));
  // One byte short: the bounded copy leaves the empty string.
  EXPECT_EQ("", textOf(desc, 11));
  EXPECT_EQ("", textOf(desc, 1));

  // A null buffer or a size below 1 writes nothing.
  desc.toString(nullptr, 10);
  char untouched[] = "abc";
  desc.toString(untouched, 0);
  desc.toString(untouched, -5);
  EXPECT_STREQ("abc", untouched);
}

TEST(TradingSessionDescTest, ParseReadsSubIdIdAndNameOnly) {
  struct Row {
    const char* text;
    const char* getters;  // subID|ID|name|desc as the getters give them
  };
  const Row rows[] = {
      // The description and properties are not read back.
      {"S1;I1;N1;D1;P=1", "S1|I1|N1|N1"},
      // A single field: no ID, so getID() falls back.
      {"S1", "S1|QELB|S1|S1"},
      // A ';' at the end ends the reading.
      {"S1;", "S1|QELB|S1|S1"},
      {"S1;I1;", "S1|I1|S1|S1"},
      // An empty field takes the rest of the text, separators included.
      {"S1;;N1", "S1|;N1|S1|S1"},
      {";QELB;;", ";QELB;;|QELB|;QELB;;|;QELB;;"},
      // The third field runs to the end when no ';' follows.
      {"S1;I1;N1", "S1|I1|N1|N1"},
      // An empty text is an empty sub-ID.
      {"", "|QELB||"},
      // Null leaves every text cleared.
      {nullptr, "(null)|QELB|(null)|(null)"},
  };
  for (const Row& row : rows) {
    TradingSessionDesc desc("old", "old", "old", "old");
    desc.parse(row.text);
    EXPECT_EQ(row.getters, gettersOf(desc))
        << (row.text != nullptr ? row.text : "(null)");
    EXPECT_EQ(row.getters, gettersOf(TradingSessionDesc(row.text)));
  }
}

TEST(TradingSessionDescTest, ParseLeavesPropertiesAndErrorAlone) {
  TradingSessionDesc desc;
  desc.setProperty("p", "v");
  desc.setErrorCode(4);
  desc.setErrorMessage("e");
  desc.parse("A;B;C;D;q=w");
  EXPECT_STREQ("v", desc.getProperty("p"));
  EXPECT_EQ(nullptr, desc.getProperty("q"));
  EXPECT_EQ(4, desc.getErrorCode());
  EXPECT_STREQ("e", desc.getErrorMessage());
}

TEST(TradingSessionDescTest, PinRequiredOnlyForYIgnoringCase) {
  struct Row {
    const char* value;  // null: the property is absent
    bool required;
  };
  const Row rows[] = {{"Y", true},    {"y", true}, {"N", false},
                      {"YES", false}, {"", false}, {nullptr, false}};
  for (const Row& row : rows) {
    TradingSessionDesc desc;
    desc.setProperty(TradingSessionDesc::PIN_REQUIRED, row.value);
    EXPECT_EQ(row.required, desc.pinRequired())
        << (row.value != nullptr ? row.value : "(absent)");
  }
  EXPECT_STREQ("PIN_REQUIRED", TradingSessionDesc::PIN_REQUIRED);
}

TEST(TradingSessionDescTest, SetPropertyIgnoresNullNameOrValue) {
  TradingSessionDesc desc;
  desc.setProperty("p", "1");
  desc.setProperty("p", nullptr);
  desc.setProperty(nullptr, "2");
  EXPECT_STREQ("1", desc.getProperty("p"));
  EXPECT_EQ(1, desc.getProperties()->size());
  // An entry of another type reads as absent.
  desc.getProperties()->put("n", 3);
  EXPECT_EQ(nullptr, desc.getProperty("n"));
}

TEST(TradingSessionDescTest, CopyStoresEffectiveValuesAndOwnProperties) {
  TradingSessionDesc source("S1", nullptr, nullptr, nullptr);
  source.setProperty("p", "v");
  source.setErrorCode(9);
  source.setErrorMessage("bad");

  TradingSessionDesc copy(source);
  // The copy holds the fallbacks as its own texts: a new sub-ID no longer
  // changes its name.
  copy.setSubID("other");
  EXPECT_EQ("other|QELB|S1|S1", gettersOf(copy));
  source.setProperty("p", "changed");
  EXPECT_STREQ("v", copy.getProperty("p"));
  EXPECT_EQ(9, copy.getErrorCode());
  EXPECT_STREQ("bad", copy.getErrorMessage());
}

TEST(TradingSessionDescTest, AssignmentKeepsOwnErrorTextWhenSourceHasNone) {
  TradingSessionDesc source("S", "I", "N", "D");
  source.setErrorCode(2);
  TradingSessionDesc target("T", "T", "T", "T");
  target.setProperty("old", "1");
  target.setErrorCode(1);
  target.setErrorMessage("kept");

  target = source;
  EXPECT_EQ("S|I|N|D", gettersOf(target));
  EXPECT_EQ(nullptr, target.getProperty("old"));
  EXPECT_EQ(2, target.getErrorCode());
  EXPECT_STREQ("kept", target.getErrorMessage());

  source.setErrorMessage("taken");
  target = source;
  EXPECT_STREQ("taken", target.getErrorMessage());

  // Self-assignment changes nothing.
  TradingSessionDesc& self = target;
  target = self;
  EXPECT_EQ("S|I|N|D", gettersOf(target));
}

TEST(TradingSessionDescTest, SettersCopyAndAcceptTheirOwnText) {
  char text[] = "name";
  TradingSessionDesc desc;
  desc.setName(text);
  text[0] = 'X';
  EXPECT_STREQ("name", desc.getName());
  desc.setName(desc.getName());
  EXPECT_STREQ("name", desc.getName());
  desc.setErrorMessage(nullptr);
  EXPECT_STREQ("", desc.getErrorMessage());
}
