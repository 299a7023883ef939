#include "tolvex/model/universal_field_group.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "tolvex/model/model_test_util.h"
#include "tolvex/model/universal_field_group_list.h"

namespace {

// The names a cursor walk delivers, in order.
std::vector<std::string> walk(const IFieldGroup& group) {
  std::vector<std::string> names;
  for (const IField* f = group.getFirst(); f != nullptr; f = group.getNext()) {
    names.push_back(f->getName());
  }
  return names;
}

TEST(UniversalFieldGroup, TextSetterReplacesOthersInsertOnly) {
  UniversalFieldGroup group;
  group.setValueInt("A", 1);
  group.setValueInt("A", 2);
  EXPECT_EQ(1, group.getValueInt("A"));

  group.setValue("T", "x");
  group.setValue("T", "y");
  EXPECT_STREQ("y", group.getValueString("T"));

  // Text replaces a value of any kind ...
  group.setValue("A", "7");
  EXPECT_EQ(IField::DT_STRING, group.getField("A")->getDataType());
  EXPECT_EQ(7, group.getValueInt("A"));

  // ... while no other setter touches an existing field.
  group.setValueInt("T", 5);
  group.setValueLong("T", 5);
  group.setValueDouble("T", 5.0);
  UniversalFieldGroupList list;
  group.setValue("T", &list);
  group.setValueBinary("T", "b", 1);
  UniversalField other("T", 5);
  group.putField(&other);
  EXPECT_STREQ("y", group.getValueString("T"));
  EXPECT_EQ(0, group.getValueInt("T"));
  EXPECT_EQ(2, group.size());
}

TEST(UniversalFieldGroup, NullTextAddsAFieldWithNoValue) {
  UniversalFieldGroup group;
  group.setValue("A", static_cast<const char*>(nullptr));
  EXPECT_EQ(1, group.size());
  EXPECT_TRUE(group.getField("A")->isNullValue());
  EXPECT_EQ("<group>\n</group>\n", group.toString());

  group.setValue("B", "kept");
  group.setValue("B", static_cast<const char*>(nullptr));
  EXPECT_STREQ("kept", group.getValueString("B"));
}

TEST(UniversalFieldGroup, MissingOrNullNamesGiveNeutralResults) {
  UniversalFieldGroup group;
  group.setValue(nullptr, "x");
  group.setValueInt(nullptr, 1);
  group.setValueBinary(nullptr, "b", 1);
  EXPECT_EQ(0, group.size());
  for (const char* name : {"missing", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(0, group.getValueInt(name));
    EXPECT_EQ(0, group.getValueLong(name));
    EXPECT_EQ(0.0, group.getValueDouble(name));
    EXPECT_EQ(nullptr, group.getValueString(name));
    EXPECT_EQ(nullptr, group.getValueList(name));
    EXPECT_EQ(nullptr, group.getField(name));
    EXPECT_EQ(nullptr, group.find(name));
    int length = 9;
    EXPECT_EQ(nullptr, group.getValueBinary(name, length));
    EXPECT_EQ(9, length);
  }
  group.setValue("text", "x");
  int length = 9;
  EXPECT_EQ(nullptr, group.getValueBinary("text", length));
  EXPECT_EQ(9, length);
}

TEST(UniversalFieldGroup, NamesAreMatchedWhole) {
  UniversalFieldGroup group;
  group.setValue("a.b", "x");
  EXPECT_STREQ("x", group.getValueString("a.b"));
  EXPECT_EQ(nullptr, group.find("a"));
  EXPECT_EQ(nullptr, group.find("b"));
  EXPECT_EQ(nullptr, group.find("A.B"));
}

TEST(UniversalFieldGroup, StoredFieldKeepsItsKeyWhenRenamed) {
  UniversalFieldGroup group;
  group.setValueInt("K", 3);
  group.getField("K")->setName("Shown");
  EXPECT_EQ(3, group.getValueInt("K"));
  EXPECT_EQ("<group>\nfield: Shown = 3\n</group>\n", group.toString());
  // The text setter gives the field its key back as name.
  group.setValue("K", "t");
  EXPECT_STREQ("K", group.getField("K")->getName());
}

TEST(UniversalFieldGroup, CursorWalksInNameOrderAndStopsAtTheEnd) {
  UniversalFieldGroup group;
  EXPECT_EQ(nullptr, group.getFirst());
  EXPECT_EQ(nullptr, group.getNext());
  group.setValueInt("c", 3);
  group.setValueInt("a", 1);
  EXPECT_EQ(nullptr, group.getNext());  // a new group's cursor is at the end

  EXPECT_STREQ("a", group.getFirst()->getName());
  // Inserted after the cursor: reached; before it: not.
  group.setValueInt("b", 2);
  group.setValueInt("0", 0);
  EXPECT_STREQ("b", group.getNext()->getName());
  EXPECT_STREQ("c", group.getNext()->getName());
  EXPECT_EQ(nullptr, group.getNext());
  EXPECT_EQ(nullptr, group.getNext());
  EXPECT_STREQ("0", group.getFirst()->getName());
}

TEST(UniversalFieldGroup, CopyIsDeepWithItsCursorOnTheFirstField) {
  UniversalFieldGroupList list;
  UniversalFieldGroup inner = model_test::textGroup({{"x", "1"}});
  list.put(&inner);
  UniversalFieldGroup source = model_test::textGroup({{"a", "1"}, {"b", "2"}});
  source.setValue("L", &list);

  UniversalFieldGroup copy(source);
  EXPECT_STREQ("a", copy.getNext()->getName());  // cursor stood on "L"

  copy.setValue("a", "changed");
  copy.setValueInt("new", 1);
  copy.getValueList("L")->put(&inner);
  EXPECT_EQ(source.toString(),
            "<group>\nfield: L = list\n<list>\n<group>\nfield: x = 1\n"
            "</group>\n</list>\nfield: a = 1\nfield: b = 2\n</group>\n");
  EXPECT_EQ(2, copy.getValueList("L")->size());

  UniversalFieldGroup assigned;
  assigned.setValueInt("old", 1);
  assigned = source;
  EXPECT_EQ(source.toString(), assigned.toString());
  EXPECT_EQ(nullptr, assigned.find("old"));
  EXPECT_STREQ("a", assigned.getNext()->getName());
  assigned = assigned;
  EXPECT_EQ(source.toString(), assigned.toString());
}

TEST(UniversalFieldGroup, PutFieldCopiesUnlessTheNameIsTaken) {
  UniversalFieldGroup group;
  UniversalField field("F", 1.5);
  group.putField(&field);
  group.putField(nullptr);
  field.setValueDouble(2.5);
  EXPECT_EQ(1.5, group.getValueDouble("F"));
  EXPECT_NE(&field, group.getField("F"));
  EXPECT_EQ(1, group.size());
}

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

TEST(UniversalFieldGroup, PutFieldCopiesAnotherImplementationByItsInterface) {
  UniversalFieldGroup group;
  const ForeignField foreign;
  group.putField(&foreign);
  ASSERT_NE(nullptr, group.find("foreign"));
  EXPECT_EQ(IField::DT_LONG, group.find("foreign")->getDataType());
  EXPECT_EQ(77, group.getValueLong("foreign"));
}

struct DumpRow {
  const char* rule;
  UniversalFieldGroup group;
  const char* dump;
};

UniversalFieldGroup withSilentFields() {
  UniversalFieldGroup group;
  group.setValueBinary("bin", "abc", 3);
  group.setValue("none", static_cast<const char*>(nullptr));
  group.setValueInt("i", 1);
  return group;
}

UniversalFieldGroup withNestedLists() {
  UniversalFieldGroup deepest = model_test::textGroup({{"z", "9"}});
  UniversalFieldGroupList innerList;
  innerList.put(&deepest);
  UniversalFieldGroup middle;
  middle.setValue("M", &innerList);
  UniversalFieldGroupList outerList;
  outerList.put(&middle);
  outerList.put(&deepest);
  UniversalFieldGroupList emptyList;
  UniversalFieldGroup group;
  group.setValue("E", &emptyList);
  group.setValue("O", &outerList);
  return group;
}

TEST(UniversalFieldGroup, DumpTexts) {
  const DumpRow rows[] = {
      // an empty group is just its markers
      {"empty", UniversalFieldGroup(), "<group>\n</group>\n"},
      // binary fields and fields without value have no line
      {"silent", withSilentFields(), "<group>\nfield: i = 1\n</group>\n"},
      // lists nest between their markers, in list order, at any depth
      {"nested", withNestedLists(),
       "<group>\n"
       "field: E = list\n<list>\n</list>\n"
       "field: O = list\n<list>\n"
       "<group>\nfield: M = list\n<list>\n"
       "<group>\nfield: z = 9\n</group>\n"
       "</list>\n</group>\n"
       "<group>\nfield: z = 9\n</group>\n"
       "</list>\n"
       "</group>\n"},
  };
  for (const DumpRow& row : rows) {
    EXPECT_EQ(row.dump, row.group.toString()) << row.rule;
  }
}

TEST(UniversalFieldGroup, DumpLeavesOwnCursorAndEndsListCursors) {
  UniversalFieldGroup group = withNestedLists();
  EXPECT_STREQ("E", group.getFirst()->getName());
  group.toString();
  EXPECT_STREQ("O", group.getNext()->getName());
  // The walked list's cursor is at its end: the ring starts over.
  IFieldGroupList* outer = group.getValueList("O");
  IFieldGroup* first = outer->getFirst();
  group.toString();
  EXPECT_EQ(first, outer->getNext());
}

// Lookups and the walk agree with strcmp on many names of random bytes,
// prefixes of each other and bytes above 127 included.
TEST(UniversalFieldGroup, NameOrderAgreesWithStrcmp) {
  std::mt19937 random(11);
  const char alphabet[] = "09ABab.\x7f\x80\xff";
  // Bytes above 127 sort after ASCII: the order is by unsigned bytes.
  std::vector<std::string> names = {"a", "SID", "\xc3\xa9", "B",
                                    "9", "10",  "1"};
  for (int i = 0; i < 400; ++i) {
    std::string name(1 + random() % 4, ' ');
    for (char& c : name) c = alphabet[random() % (sizeof alphabet - 1)];
    names.push_back(name);
  }
  UniversalFieldGroup group;
  for (std::size_t i = 0; i < names.size(); ++i) {
    group.setValueInt(names[i].c_str(), static_cast<int>(i));
  }
  std::vector<std::string> expected(names);
  std::sort(expected.begin(), expected.end(),
            [](const std::string& a, const std::string& b) {
              return std::strcmp(a.c_str(), b.c_str()) < 0;
            });
  expected.erase(std::unique(expected.begin(), expected.end()), expected.end());

  EXPECT_EQ(expected, walk(group));
  for (std::size_t i = 0; i < names.size(); ++i) {
    // The first setter of a name wins: insert-only.
    const std::size_t first =
        std::find(names.begin(), names.end(), names[i]) - names.begin();
    EXPECT_EQ(static_cast<int>(first), group.getValueInt(names[i].c_str()));
  }
  EXPECT_EQ(nullptr, group.find("zz"));
}

// Texts replace and numbers insert only, on names met in random order, new
// and known: the group ends as a map of text forms does.
TEST(UniversalFieldGroup, SettersAgreeWithAMapOfTexts) {
  std::mt19937 random(7);
  std::map<std::string, std::string> expected;
  UniversalFieldGroup group;
  for (int i = 0; i < 3000; ++i) {
    const std::string name = std::to_string(random() % 400);
    const std::string text = "t" + std::to_string(i);
    if (random() % 3 == 0) {
      group.setValueInt(name.c_str(), i);
      expected.emplace(name, std::to_string(i));
    } else {
      group.setValue(name.c_str(), text.c_str());
      expected[name] = text;
    }
  }
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(group.size()));
  const IField* field = group.getFirst();
  for (const auto& entry : expected) {
    ASSERT_NE(nullptr, field);
    EXPECT_EQ(entry.first, field->getName());
    EXPECT_EQ(entry.second, field->getValueString());
    field = group.getNext();
  }
  EXPECT_EQ(nullptr, field);
}

}  // namespace
