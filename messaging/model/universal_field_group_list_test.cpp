#include "tolvex/model/universal_field_group_list.h"

#include <gtest/gtest.h>

#include "tolvex/model/model_test_util.h"
#include "tolvex/model/universal_field.h"
#include "tolvex/model/universal_message.h"

namespace {

class UniversalFieldGroupListTest : public ::testing::Test {
 protected:
  UniversalFieldGroupListTest() {
    list_.put(&g1_);
    list_.put(&g2_);
  }
  // The text of field "n" of a group the list handed out.
  static const char* label(const IFieldGroup* group) {
    return group == nullptr ? "(null)" : group->getValueString("n");
  }

  UniversalFieldGroup g1_ = model_test::textGroup({{"n", "G1"}});
  UniversalFieldGroup g2_ = model_test::textGroup({{"n", "G2"}});
  UniversalFieldGroupList list_;
};

TEST_F(UniversalFieldGroupListTest, CursorRunsRoundTheRing) {
  // A list that was only appended to starts with the first group.
  EXPECT_STREQ("G1", label(list_.getNext()));
  EXPECT_STREQ("G1", label(list_.getFirst()));
  EXPECT_STREQ("G2", label(list_.getNext()));
  EXPECT_EQ(nullptr, list_.getNext());
  EXPECT_STREQ("G1", label(list_.getNext()));

  UniversalFieldGroupList empty;
  EXPECT_EQ(nullptr, empty.getFirst());
  EXPECT_EQ(nullptr, empty.getNext());
  EXPECT_EQ(nullptr, empty.getNext());
}

TEST_F(UniversalFieldGroupListTest, PutNeverMovesTheCursor) {
  EXPECT_STREQ("G1", label(list_.getFirst()));
  UniversalFieldGroup g3 = model_test::textGroup({{"n", "G3"}});
  list_.put(&g3);
  EXPECT_STREQ("G2", label(list_.getNext()));
  EXPECT_STREQ("G3", label(list_.getNext()));
  EXPECT_EQ(3, list_.size());
}

TEST_F(UniversalFieldGroupListTest, PutCopiesTheGroup) {
  list_.put(nullptr);
  EXPECT_EQ(2, list_.size());
  g1_.setValue("n", "changed");
  EXPECT_STREQ("G1", label(list_.getFirst()));
  EXPECT_NE(&g1_, list_.getFirst());
}

TEST_F(UniversalFieldGroupListTest, PutMessageAppendsItsGroup) {
  UniversalMessage message("S1", "W");
  message.setValueInt("1", 1);
  list_.put(&message);
  ASSERT_EQ(3, list_.size());
  list_.getFirst();
  list_.getNext();
  const IFieldGroup* appended = list_.getNext();
  EXPECT_STREQ("S1", appended->getValueString("SID"));
  EXPECT_STREQ("W", appended->getValueString("35"));
  EXPECT_EQ(3, appended->size());
}

// A group of another implementation: empty and inert.
class ForeignGroup : public IFieldGroup {
 public:
  void setValue(const char*, const char*) override {}
  const char* getValueString(const char*) const override { return nullptr; }
  void setValue(const char*, const IFieldGroupList*) override {}
  IFieldGroupList* getValueList(const char*) const override { return nullptr; }
  void setValueLong(const char*, long long) override {}
  long long getValueLong(const char*) const override { return 0; }
  void setValueInt(const char*, int) override {}
  int getValueInt(const char*) const override { return 0; }
  void setValueDouble(const char*, double) override {}
  double getValueDouble(const char*) const override { return 0; }
  void setValueBinary(const char*, const void*, int) override {}
  const void* getValueBinary(const char*, int&) const override {
    return nullptr;
  }
  void putField(const IField*) override {}
  IField* getField(const char*) const override { return nullptr; }
  IField* getFirst() const override { return nullptr; }
  IField* getNext() const override { return nullptr; }
  int size() const override { return 0; }
};

TEST_F(UniversalFieldGroupListTest, PutOfAnotherGroupKindThrows) {
  const ForeignGroup foreign;
  EXPECT_THROWS_ASSERT_FM(list_.put(&foreign));
  EXPECT_EQ(2, list_.size());
}

// A list of another implementation over groups kept elsewhere.
class ForeignList : public IFieldGroupList {
 public:
  explicit ForeignList(std::vector<const IFieldGroup*> groups)
      : groups_(std::move(groups)) {}
  void put(const IFieldGroup*) override {}
  IFieldGroup* getFirst() const override {
    next_ = 0;
    return getNext();
  }
  IFieldGroup* getNext() const override {
    if (next_ >= groups_.size()) return nullptr;
    return const_cast<IFieldGroup*>(groups_[next_++]);
  }
  int size() const override { return static_cast<int>(groups_.size()); }

 private:
  std::vector<const IFieldGroup*> groups_;
  mutable std::size_t next_ = 0;
};

TEST_F(UniversalFieldGroupListTest, FieldCopiesAnotherListKindGroupByGroup) {
  const ForeignList foreign({&g1_, &g2_});
  UniversalField field("L", &foreign);
  ASSERT_EQ(IField::DT_LIST, field.getDataType());
  EXPECT_EQ(2, field.getValueList()->size());
  EXPECT_STREQ("G2", label(field.getValueList()->getNext()));

  // A group the list model cannot hold: the throw leaves the field as it was.
  const ForeignGroup alien;
  const ForeignList mixed({&g1_, &alien});
  EXPECT_THROWS_ASSERT_FM(field.setValue(&mixed));
  EXPECT_EQ(2, field.getValueList()->size());
}

TEST_F(UniversalFieldGroupListTest, CopyIsDeepWithItsCursorOnTheFirstGroup) {
  UniversalFieldGroupList copy(list_);
  EXPECT_STREQ("G2", label(copy.getNext()));
  copy.getFirst()->setValue("n", "changed");
  EXPECT_STREQ("G1", label(list_.getFirst()));

  UniversalFieldGroupList assigned;
  assigned = list_;
  EXPECT_STREQ("G2", label(assigned.getNext()));
  assigned = assigned;
  EXPECT_EQ(2, assigned.size());
  assigned = UniversalFieldGroupList();
  EXPECT_EQ(0, assigned.size());
  EXPECT_EQ(nullptr, assigned.getNext());
}

}  // namespace
