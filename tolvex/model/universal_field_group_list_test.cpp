#include "tolvex/model/universal_field_group_list.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tolvex/model/assert_exception_fm.h"
#include "tolvex/model/universal_field.h"
#include "tolvex/model/universal_message.h"

namespace {

class UniversalFieldGroupListTest : public ::testing::Test {
 protected:
  UniversalFieldGroupListTest() {
    g1_.setValue("n", "G1");
    g2_.setValue("n", "G2");
    list_.put(&g1_);
    list_.put(&g2_);
  }
  static const char* label(const IFieldGroup* group) {
    return group == nullptr ? "(null)" : group->getValueString("n");
  }
  // The labels of `count` steps of the list's cursor.
  static std::string walk(const IFieldGroupList& list, int count) {
    std::string text;
    while (count-- > 0) text += std::string(label(list.getNext())) + " ";
    return text;
  }

  UniversalFieldGroup g1_, g2_;
  UniversalFieldGroupList list_;
};

// From the end a step lands on the first; put copies and keeps the cursor.
TEST_F(UniversalFieldGroupListTest, CursorRunsRoundTheRing) {
  EXPECT_STREQ("G1", label(list_.getNext()));
  EXPECT_STREQ("G1", label(list_.getFirst()));
  EXPECT_EQ("G2 (null) G1 ", walk(list_, 3));
  UniversalMessage message;
  message.setValue("n", "G3");
  list_.put(&message);
  list_.put(nullptr);
  g1_.setValue("n", "changed");
  EXPECT_EQ("G2 G3 (null) G1 ", walk(list_, 4));
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
  const void* getValueBinary(const char*, int&) const override { return {}; }
  void putField(const IField*) override {}
  IField* getField(const char*) const override { return nullptr; }
  IField* getFirst() const override { return nullptr; }
  IField* getNext() const override { return nullptr; }
  int size() const override { return 0; }
};

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

// Another kind of list is copied group by group; an alien group throws.
TEST_F(UniversalFieldGroupListTest, FieldCopiesAnotherListKindGroupByGroup) {
  const ForeignList foreign({&g1_, &g2_});
  UniversalField field("L", &foreign);
  EXPECT_EQ("G2 (null) ", walk(*field.getValueList(), 2));
  const ForeignGroup alien;
  const ForeignList mixed({&g1_, &alien});
  try {
    field.setValue(&mixed);
    ADD_FAILURE() << "no AssertExceptionFM* thrown";
  } catch (AssertExceptionFM* e) {
    delete e;
  }
  EXPECT_EQ(2, field.getValueList()->size());
}

// Derived library classes are copied by their library part, not overrides.
TEST_F(UniversalFieldGroupListTest, DerivedClassesAreCopiedByTheirLibraryPart) {
  struct BlindList : UniversalFieldGroupList {
    IFieldGroup* getFirst() const override { return nullptr; }
  };
  struct LoudGroup : UniversalFieldGroup {
    const char* getValueString(const char*) const override { return "loud"; }
  };
  struct LoudField : UniversalField {
    using UniversalField::UniversalField;
    const char* getValueString() const override { return "loud"; }
  };
  BlindList blind;
  blind.put(&g1_);
  const UniversalField field("L", &blind);
  EXPECT_STREQ("G1", label(field.getValueList()->getFirst()));
  const LoudField quiet("n", "quiet");
  LoudGroup loud;
  loud.putField(&quiet);
  list_.put(&loud);
  EXPECT_EQ("G1 G2 quiet ", walk(list_, 3));
}

// Copies are deep, with their cursor on the first group.
TEST_F(UniversalFieldGroupListTest, CopyIsDeepWithItsCursorOnTheFirstGroup) {
  UniversalFieldGroupList copy(list_);
  copy.getFirst()->setValue("n", "changed");
  UniversalFieldGroupList assigned;
  assigned = list_;
  assigned = assigned;
  EXPECT_EQ("G2 (null) ", walk(assigned, 2));
  EXPECT_STREQ("G1", label(list_.getFirst()));
}

}  // namespace
