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

// Text replaces any kind and a renamed field's name; the rest insert only.
TEST(UniversalFieldGroup, TextSetterReplacesOthersInsertOnly) {
  UniversalFieldGroup group;
  group.setValue("T", "y");
  UniversalField field("F", 1.5);
  group.putField(&field);
  group.putField(nullptr);
  const ForeignField foreign;
  group.putField(&foreign);
  group.setValue("F", "7");
  group.setValue("T", static_cast<const char*>(nullptr));
  group.getField("T")->setName("Shown");
  group.setValueLong("T", 5);
  field.setName("T");
  group.putField(&field);
  EXPECT_EQ(
      "<group>\nfield: F = 7\nfield: Shown = y\nfield: foreign = 77\n"
      "</group>\n",
      group.toString());
  group.setValue("T", "z");
  EXPECT_STREQ("T", group.getField("T")->getName());
}

// Null names set nothing; missing or null names read neutral values.
TEST(UniversalFieldGroup, MissingOrNullNamesGiveNeutralResults) {
  UniversalFieldGroup group;
  group.setValue("text", "x");
  group.setValue(nullptr, "x");
  group.setValueBinary(nullptr, "b", 1);
  EXPECT_EQ(1, group.size());
  for (const char* name : {"missing", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(0, group.getValueInt(name) + group.getValueLong(name) +
                     group.getValueDouble(name));
    EXPECT_TRUE(group.getValueString(name) == nullptr &&
                group.getValueList(name) == nullptr &&
                group.getField(name) == nullptr);
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

// Lists nest between markers at any depth; binary and valueless: no line.
const char kNestedDump[] =
    "<group>\nfield: E = list\n<list>\n</list>\nfield: O = list\n<list>\n"
    "<group>\nfield: z = 9\n</group>\n"
    "<group>\nfield: M = list\n<list>\n<group>\nfield: z = 9\n</group>\n"
    "</list>\nfield: z = 9\n</group>\n"
    "</list>\nfield: i = 1\n</group>\n";

// The dump keeps the cursor; copies are deep, their cursor on the first field.
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
  copy.getValueList("O")->getFirst()->setValue("new", "x");
  UniversalFieldGroup assigned;
  assigned.setValueInt("old", 1);
  assigned = group;
  assigned = assigned;
  EXPECT_STREQ("O", assigned.getNext()->getName());
  EXPECT_EQ(group.toString() + assigned.toString(),
            std::string(kNestedDump) + kNestedDump);
}

}  // namespace
