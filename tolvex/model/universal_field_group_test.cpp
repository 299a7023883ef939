#include "tolvex/model/universal_field_group.h"

#include <gtest/gtest.h>

#include <string>

#include "tolvex/model/universal_field_group_list.h"

namespace {

// An IField of another implementation: a fixed long under a fixed name.
class ForeignField : public IField {
 public:
  int getDataType() const override { return DT_LONG; }
  void setName(const char*) override {}
  const char* getName() const override { return "foreign"; }
  bool isNullValue() const override { return false; }
  void setValue(const char*) override {}
  const char* getValueString() const override { return "77"; }
  void setValueLong(long long) override {}
  long long getValueLong() const override { return 77; }
  void setValueInt(int) override {}
  int getValueInt() const override { return 77; }
  void setValueDouble(double) override {}
  double getValueDouble() const override { return 77.0; }
  void setValue(const IFieldGroupList*) override {}
  IFieldGroupList* getValueList() const override { return nullptr; }
  void setValueBinary(const void*, int) override {}
  const void* getValueBinary(int&) const override { return nullptr; }
};

// Text replaces any kind (null text none) and restores a renamed field's name;
// other setters and putField insert only, foreign fields by their interface.
TEST(UniversalFieldGroup, TextSetterReplacesOthersInsertOnly) {
  UniversalFieldGroup group;
  group.setValue("T", "y");
  UniversalField field("F", 1.5);
  group.putField(&field);
  group.putField(nullptr);
  const ForeignField foreign;
  group.putField(&foreign);
  EXPECT_EQ(IField::DT_LONG, group.getField("foreign")->getDataType());
  group.setValue("F", "7");
  group.setValue("T", static_cast<const char*>(nullptr));
  group.getField("T")->setName("Shown");
  group.setValueInt("T", 5);
  group.setValueLong("T", 5);
  group.setValueDouble("T", 5.0);
  UniversalFieldGroupList list;
  group.setValue("T", &list);
  group.setValueBinary("T", "b", 1);
  field.setName("T");
  group.putField(&field);
  EXPECT_EQ(
      "<group>\nfield: F = 7\nfield: Shown = y\nfield: foreign = 77\n"
      "</group>\n",
      group.toString());
  group.setValue("T", "z");
  EXPECT_STREQ("T", group.getField("T")->getName());
}

// Null names set nothing; missing and null names read neutral values, and so
// does a binary read of another kind, which leaves the length as it was.
TEST(UniversalFieldGroup, MissingOrNullNamesGiveNeutralResults) {
  UniversalFieldGroup group;
  group.setValue("text", "x");
  group.setValue(nullptr, "x");
  group.setValueInt(nullptr, 1);
  group.setValueBinary(nullptr, "b", 1);
  EXPECT_EQ(1, group.size());
  for (const char* name : {"missing", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(0, group.getValueInt(name));
    EXPECT_EQ(0, group.getValueLong(name));
    EXPECT_EQ(0.0, group.getValueDouble(name));
    EXPECT_EQ(nullptr, group.getValueString(name));
    EXPECT_EQ(nullptr, group.getValueList(name));
    EXPECT_EQ(nullptr, group.getField(name));
  }
  for (const char* name :
       {"missing", static_cast<const char*>(nullptr), "text"}) {
    int length = 9;
    EXPECT_EQ(nullptr, group.getValueBinary(name, length));
    EXPECT_EQ(9, length);
  }
}

// Nested lists, an empty one, a binary field and a field without value.
UniversalFieldGroup nestedGroup() {
  UniversalFieldGroup inner;
  inner.setValue("z", "9");
  UniversalFieldGroupList list;
  list.put(&inner);
  inner.setValue("M", &list);
  list.put(&inner);
  UniversalFieldGroupList empty;
  UniversalFieldGroup group;
  group.setValue("E", &empty);
  group.setValue("O", &list);
  group.setValueBinary("bin", "abc", 3);
  group.setValue("none", static_cast<const char*>(nullptr));
  group.setValueInt("i", 1);
  return group;
}

// Lists nest between their markers, in list order, at any depth; binary
// fields and fields without value have no line.
const char kNestedDump[] =
    "<group>\nfield: E = list\n<list>\n</list>\nfield: O = list\n<list>\n"
    "<group>\nfield: z = 9\n</group>\n"
    "<group>\nfield: M = list\n<list>\n<group>\nfield: z = 9\n</group>\n"
    "</list>\nfield: z = 9\n</group>\n"
    "</list>\nfield: i = 1\n</group>\n";

// The dump leaves the group's cursor, and ends the lists'; copies are deep,
// their cursor on the first field; assignment drops the old fields.
TEST(UniversalFieldGroup, DumpTextAndCopies) {
  const UniversalFieldGroup group = nestedGroup();
  EXPECT_TRUE(group.getField("none")->isNullValue());
  EXPECT_STREQ("E", group.getFirst()->getName());
  IFieldGroupList* outer = group.getValueList("O");
  IFieldGroup* first = outer->getFirst();
  EXPECT_EQ(kNestedDump, group.toString());
  EXPECT_STREQ("O", group.getNext()->getName());
  EXPECT_EQ(first, outer->getNext());
  UniversalFieldGroup copy(group);
  EXPECT_STREQ("O", copy.getNext()->getName());
  copy.getValueList("O")->getFirst()->setValue("new", "x");
  UniversalFieldGroup assigned;
  assigned.setValueInt("old", 1);
  assigned = group;
  EXPECT_STREQ("O", assigned.getNext()->getName());
  assigned = assigned;
  EXPECT_EQ(kNestedDump, group.toString());
  EXPECT_EQ(kNestedDump, assigned.toString());
}

// Lookups and the walk follow strcmp's order: upper case first, a prefix
// before its extensions, bytes above 127 last. A new group's cursor is at
// the end, and the walk reaches a field inserted after the cursor.
TEST(UniversalFieldGroup, NamesFollowStrcmpOrder) {
  UniversalFieldGroup group;
  EXPECT_EQ(nullptr, group.getFirst());
  for (const char* name : {"b", "B", "a", "\xC3\xA9", "a\x7F", "10"}) {
    group.setValue(name, name);
  }
  EXPECT_EQ(nullptr, group.getNext());
  EXPECT_STREQ("10", group.getFirst()->getName());
  group.setValue("ab", "ab");
  std::string walk = "10|";
  for (IField* f = group.getNext(); f != nullptr; f = group.getNext()) {
    walk += std::string(f->getName()) + "|";
    EXPECT_EQ(f, group.find(f->getName()));
  }
  EXPECT_EQ("10|B|a|ab|a\x7F|b|\xC3\xA9|", walk);
}

}  // namespace
