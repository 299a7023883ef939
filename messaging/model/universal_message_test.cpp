#include "tolvex/model/universal_message.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tolvex/model/model_test_util.h"
#include "tolvex/model/universal_field_group_list.h"

namespace {

TEST(UniversalMessage, WorkedExampleDumpsByteForByte) {
  const UniversalMessage message = model_test::workedExample();
  EXPECT_EQ(6, message.size());
  EXPECT_EQ(model_test::workedExampleDump(), message.toString());
  // Dumping again walks the lists afresh.
  EXPECT_EQ(model_test::workedExampleDump(), message.toString());
}

TEST(UniversalMessage, NullIdsGiveAnEmptyMessage) {
  const UniversalMessage message(nullptr, nullptr);
  EXPECT_EQ(0, message.size());
  EXPECT_EQ(nullptr, message.getSessionId());
  EXPECT_EQ(nullptr, message.getMsgType());
  EXPECT_EQ("<message>\n<group>\n</group>\n</message>\n", message.toString());
}

TEST(UniversalMessage, SessionIdAndTypeAreOrdinaryFields) {
  UniversalMessage message("S1", "A");
  EXPECT_TRUE(message.setMsgType("B"));
  EXPECT_STREQ("B", message.getMsgType());
  EXPECT_EQ(2, message.size());
  EXPECT_EQ(message.getField("35"),
            message.getField(UniversalMessage::TAG_MSGTYPE));
  EXPECT_EQ(message.getValueString("SID"), message.getSessionId());

  EXPECT_TRUE(message.setSessionId(nullptr));
  EXPECT_STREQ("S1", message.getSessionId());

  // The typed setters insert only: an existing type stays.
  message.setValueInt("35", 3);
  EXPECT_STREQ("B", message.getMsgType());

  // Without a type, an int under "35" is the type.
  UniversalMessage untyped("S2", nullptr);
  untyped.setValueInt("35", 3);
  EXPECT_STREQ("3", untyped.getMsgType());
  // And the text setter replaces it whatever its kind.
  untyped.setMsgType("X");
  EXPECT_EQ(IField::DT_STRING, untyped.getField("35")->getDataType());
}

TEST(UniversalMessage, CopiesAreIndependent) {
  UniversalMessage source = model_test::workedExample();
  UniversalMessage copy(source);
  copy.setSessionId("S9");
  copy.getValueList("L")->put(&source.getGroup());
  EXPECT_EQ(model_test::workedExampleDump(), source.toString());

  UniversalMessage assigned;
  assigned = source;
  EXPECT_EQ(model_test::workedExampleDump(), assigned.toString());
  assigned = assigned;
  EXPECT_EQ(model_test::workedExampleDump(), assigned.toString());

  const UniversalMessage fromGroup(source.getGroup());
  EXPECT_EQ(source.toString(), fromGroup.toString());
  EXPECT_STREQ("S1", fromGroup.getSessionId());
  EXPECT_STREQ("W", fromGroup.getMsgType());
}

TEST(UniversalMessage, PrintStateWritesTheDump) {
  const UniversalMessage message = model_test::workedExample();
  std::ostringstream out;
  message.printState(out);
  EXPECT_EQ(message.toString(), out.str());

  std::ostringstream failed;
  failed.setstate(std::ios::badbit);
  message.printState(failed);
  EXPECT_TRUE(failed.bad());
  EXPECT_EQ("", failed.str());
}

TEST(UniversalMessage, ForwardsEveryGroupOperation) {
  UniversalMessage message;
  IFieldGroup& group = message;
  group.setValueLong("l", 5);
  group.setValueDouble("d", 0.5);
  group.setValueBinary("b", "xy", 2);
  UniversalField field("f", "t");
  group.putField(&field);
  EXPECT_EQ(5, group.getValueLong("l"));
  EXPECT_EQ(0.5, group.getValueDouble("d"));
  int length = 0;
  EXPECT_NE(nullptr, group.getValueBinary("b", length));
  EXPECT_EQ(2, length);
  EXPECT_STREQ("b", group.getFirst()->getName());
  EXPECT_STREQ("d", group.getNext()->getName());
  EXPECT_EQ(4, group.size());
}

TEST(UniversalMessage, ConstantsHaveTheirTexts) {
  EXPECT_STREQ("SID", IMessage::TAG_SID);
  EXPECT_STREQ("RID", IMessage::TAG_RID);
  EXPECT_STREQ("U21", IMessage::TAG_PING);
  EXPECT_STREQ("IMessage", IMessage::TAG_IMESSAGE);
  EXPECT_STREQ("35", UniversalMessage::TAG_MSGTYPE);
}

// The nodes of fields and groups are cached per thread when freed. Messages
// built on one thread stay whole after it ends, and die on another thread;
// one message is larger than any thread's cache holds.
TEST(UniversalMessage, MessagesOutliveTheThreadThatBuiltThem) {
  const auto build = [](int entries) {
    auto message = std::make_unique<UniversalMessage>("S1", "W");
    UniversalFieldGroupList list;
    for (int i = 0; i < entries; ++i) {
      UniversalFieldGroup entry;
      entry.setValueInt("271", i);
      entry.setValueDouble("270", 1.0825 + i);
      entry.setValue("272", std::string(i % 100, 'x').c_str());
      list.put(&entry);
    }
    message->setValue("268", &list);
    return message;
  };
  const std::string small = build(3)->toString();
  const std::string large = build(5000)->toString();

  using Batch = std::vector<std::unique_ptr<UniversalMessage>>;
  Batch previous;
  for (int round = 0; round < 4; ++round) {
    Batch next;
    // Each thread frees the last round's messages and builds the next's.
    std::thread worker([&] {
      previous.clear();
      for (int i = 0; i < 20; ++i) {
        next.push_back(build(3));
        next.push_back(std::make_unique<UniversalMessage>(*next.back()));
      }
      next.push_back(build(5000));
    });
    worker.join();
    for (std::size_t i = 0; i + 1 < next.size(); ++i) {
      ASSERT_EQ(small, next[i]->toString());
    }
    ASSERT_EQ(large, next.back()->toString());
    previous = std::move(next);
  }
}

}  // namespace
