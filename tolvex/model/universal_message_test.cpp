#include "tolvex/model/universal_message.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"

namespace {

// Session S1, type W, an int, a double, a list of two groups and a block.
UniversalMessage workedExample() {
  UniversalFieldGroup first, second;
  first.setValue("a", "x");
  second.setValueLong("b", 5);
  UniversalFieldGroupList list;
  list.put(&first);
  list.put(&second);
  UniversalMessage message("S1", "W");
  message.setValueInt("268", 2);
  message.setValueDouble("44", 1.25);
  message.setValue("L", &list);
  const unsigned char data[4] = {0, 1, 2, 3};
  message.setValueBinary("bin", data, 4);
  return message;
}

const char kWorkedExampleDump[] =
    "<message>\n<group>\nfield: 268 = 2\nfield: 35 = W\n"
    "field: 44 = "
    "1.250000000000000000000000000000000000000000000000000000000000\n"
    "field: L = list\n<list>\n"
    "<group>\nfield: a = x\n</group>\n<group>\nfield: b = 5\n</group>\n"
    "</list>\nfield: SID = S1\n</group>\n</message>\n";

// printState writes the dump; it leaves a failed stream as it is.
TEST(UniversalMessage, WorkedExampleDumpsByteForByte) {
  const UniversalMessage message = workedExample();
  std::ostringstream out;
  message.printState(out);
  EXPECT_EQ(kWorkedExampleDump, out.str());
  std::ostringstream failed;
  failed.setstate(std::ios::badbit);
  message.printState(failed);
  EXPECT_EQ("", failed.str());
}

// Session id and type are the fields "SID" and "35"; null sets nothing.
TEST(UniversalMessage, SessionIdAndTypeAreOrdinaryFields) {
  UniversalMessage message(nullptr, nullptr);
  EXPECT_TRUE(message.getSessionId() == nullptr && !message.getMsgType());
  message.setValueInt("35", 3);
  EXPECT_STREQ("3", message.getMsgType());
  EXPECT_TRUE(message.setMsgType("B"));
  EXPECT_TRUE(message.setSessionId("S1"));
  EXPECT_TRUE(message.setSessionId(nullptr));
  EXPECT_EQ(
      "<message>\n<group>\nfield: 35 = B\nfield: SID = S1\n</group>\n"
      "</message>\n",
      message.toString());
}

// A copy is independent of its source; changed through the group interface.
TEST(UniversalMessage, CopiesAreIndependent) {
  const UniversalMessage source = workedExample();
  UniversalMessage copy(source);
  UniversalMessage assigned;
  assigned = source;
  assigned = assigned;
  EXPECT_EQ(kWorkedExampleDump, assigned.toString());
  IFieldGroup& group = copy;
  group.setValueLong("l", 1LL << 40);
  group.setValue("t", "4294967296");
  const UniversalField field("f", 0.5);
  group.putField(&field);
  group.getValueList("L")->put(&source.getGroup());
  EXPECT_EQ(kWorkedExampleDump, UniversalMessage(source.getGroup()).toString());
  EXPECT_EQ(1LL << 40, group.getValueLong("l"));
  EXPECT_EQ(0.5, group.getValueDouble("f"));
  EXPECT_STREQ("4294967296", group.getValueString("t"));
  EXPECT_EQ(INT_MAX, group.getValueInt("t"));
  int length = 0;
  EXPECT_NE(nullptr, group.getValueBinary("bin", length));
  EXPECT_STREQ("268", group.getFirst()->getName());
  EXPECT_STREQ("35", group.getNext()->getName());
  EXPECT_EQ(IField::DT_DOUBLE, group.getField("f")->getDataType());
}

// Nodes cached per thread: messages built on one thread die on another.
TEST(UniversalMessage, MessagesOutliveTheThreadThatBuiltThem) {
  const UniversalMessage example = workedExample();
  std::vector<std::unique_ptr<UniversalMessage>> messages;
  for (int round = 0; round < 4; ++round) {
    std::thread([&] {
      messages.clear();
      for (int i = 0; i < 20; ++i) {
        messages.push_back(std::make_unique<UniversalMessage>(example));
      }
    }).join();
    for (const auto& message : messages) {
      ASSERT_EQ(kWorkedExampleDump, message->toString());
    }
  }
}

}  // namespace
