#include "tolvex/model/universal_field.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"

namespace {

// The "%.60f" text printf makes, the reference for the field's rendering.
std::string printfText(double value) {
  char text[512];
  std::snprintf(text, sizeof text, "%.60f", value);
  return text;
}

// The field's block as a string; "(none)" when it has none.
std::string bytesOf(const IField& field) {
  int length = 0;
  const void* data = field.getValueBinary(length);
  return data == nullptr ? "(none)"
                         : std::string(static_cast<const char*>(data),
                                       static_cast<std::size_t>(length));
}

UniversalField binaryField(const char* name, const void* data, int length) {
  UniversalField field(name);
  field.setValueBinary(data, length);
  return field;
}

// A field, its int, long, double and text (null: none, empty in the dump).
using ConversionRow =
    std::tuple<UniversalField, int, long long, double, const char*>;

// Each getter and the dump line for every kind (saturation is fuzzed).
TEST(UniversalField, GettersFollowTheConversionTable) {
  const UniversalFieldGroupList list;
  const ConversionRow rows[] = {
      {UniversalField("F"), 0, 0, 0.0, nullptr},            // no value: neutral
      {UniversalField("F", -5), -5, -5, -5.0, "-5"},        // int: exact, "%d"
      {UniversalField("F", "-3.9"), -3, -3, -3.9, "-3.9"},  // strtoll, strtod
      {UniversalField("F", "0x1A"), 0, 0, 26.0, "0x1A"},  // integers in base 10
      {UniversalField("F", " -9223372036854775808"), INT_MIN, LLONG_MIN,
       -9223372036854775808.0, " -9223372036854775808"},  // int saturated
      {UniversalField("F", "2147483648"), INT_MAX, 2147483648LL, 2147483648.0,
       "2147483648"},  // one past the int limit saturates
      {UniversalField("F", &list), 0, 0, 0.0, "list"},
      {UniversalField("F", 2147483648.0), INT_MAX, 2147483648LL, 2147483648.0,
       "2147483648."
       "000000000000000000000000000000000000000000000000000000000000"},
      // double: truncated toward zero, "%.60f"
      {UniversalField("F", -2.7), -2, -2, -2.7,
       "-2.700000000000000177635683940025046467781066894531250000000000"},
      // long: low 32 bits, nearest double, "%lld"
      {UniversalField("F", 4294967297LL), 1, 4294967297LL, 4294967297.0,
       "4294967297"},
      {binaryField("F", "ab", 2), 0, 0, 0.0, nullptr},  // binary: bytes only
  };
  for (const auto& [field, asInt, asLong, asDouble, asString] : rows) {
    const char* text = field.getValueString();
    SCOPED_TRACE(text == nullptr ? "(null)" : text);
    EXPECT_EQ(asInt, field.getValueInt());
    EXPECT_EQ(asLong, field.getValueLong());
    EXPECT_DOUBLE_EQ(asDouble, field.getValueDouble());
    EXPECT_STREQ(asString, text);
    EXPECT_EQ("field: F = " + std::string(text == nullptr ? "" : text) + "\n",
              field.toString());
  }
}

// Doubles of every region rendered as printf does, in any decimal point.
TEST(UniversalField, DoubleTextMatchesPrintf) {
  // Buffer limits, range ends, NaN, the fast path's ends (the rest is fuzzed).
  const double fastPathEnds[] = {std::ldexp(0x1FEDCBA9876543p0, -64),
                                 -std::ldexp(0x10000000000001p0, 14)};
  const double values[] = {
      -0.0, 9.999999999999999, DBL_MAX,        -DBL_TRUE_MIN, 1e22, -HUGE_VAL,
      NAN,  fastPathEnds[0],   fastPathEnds[1]};
  // A comma and a two-byte point too; one field takes every value.
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  UniversalField field("F");
  for (const char* locale : {"C", "de_DE.UTF-8", "ps_AF.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, locale) == nullptr) {
      std::setlocale(LC_NUMERIC, saved.c_str());
      GTEST_SKIP() << locale << " is not installed";
    }
    for (double value : values) {
      field.setValueDouble(value);
      EXPECT_EQ("field: F = " + printfText(value) + "\n", field.toString())
          << locale << ' ' << value;
    }
  }
  std::setlocale(LC_NUMERIC, saved.c_str());
}

// Null or impossible values, and copying a valueless field, leave the value.
TEST(UniversalField, NullOrImpossibleValuesLeaveTheValue) {
  char source[] = "bytes";
  UniversalField field = binaryField("B", source, 5);
  source[0] = 'X';
  field.setValue(static_cast<const char*>(nullptr));
  field.setValue(static_cast<const IFieldGroupList*>(nullptr));
  field.setValueBinary(source, -1);
  field.setValueBinary(nullptr, 3);
  field = UniversalField("N");
  field = field;
  field.copy(field);
  EXPECT_EQ("N bytes", field.getName() + (" " + bytesOf(field)));
  field.setValueBinary(nullptr, 0);
  EXPECT_EQ("", bytesOf(field));
}

// The copy constructor, copy() and setting from its own storage agree.
TEST(UniversalField, CopyConstructorAgreesWithCopy) {
  const UniversalFieldGroupList list;
  UniversalField sources[] = {UniversalField("none"),
                              UniversalField("long", 1LL << 40),
                              UniversalField("spilled", -1e200),
                              binaryField("block", "\x09\0\x08", 3),
                              UniversalField("list", &list),
                              UniversalField("was int", 5)};
  sources[5].setValue("now text");  // a text that replaced a number
  sources[2].getValueString();      // a double rendered before the copy
  for (const UniversalField& source : sources) {
    const UniversalField constructed(source);
    UniversalField assigned;
    assigned.copy(source);
    ASSERT_EQ(assigned.getDataType(), constructed.getDataType());
    int length = -1;  // block, list and text set from the field's own storage
    const void* data = assigned.getValueBinary(length);
    assigned.setValueBinary(data, length);
    assigned.setValue(assigned.getValueList());
    assigned.setValue(assigned.getValueString());
    EXPECT_EQ(assigned.toString() + bytesOf(assigned),
              constructed.toString() + bytesOf(constructed));
  }
}

// A client's field: its own text form; it records the setters copy() calls.
class BracketedField : public UniversalField {
 public:
  using UniversalField::UniversalField;
  const char* getValueString() const override {
    shown_ = std::string("[") + UniversalField::getValueString() + "]";
    return shown_.c_str();
  }
  void setValueInt(int value) override {
    calls += "int ";
    UniversalField::setValueInt(value);
  }
  void setValue(const char* text) override {
    calls += "text ";
    UniversalField::setValue(text);
  }
  void setValue(const IFieldGroupList* list) override {
    calls += "list ";
    UniversalField::setValue(list);
  }
  void setValueDouble(double value) override {
    calls += "double ";
    UniversalField::setValueDouble(value);
  }
  void setValueLong(long long value) override {
    calls += "long ";
    UniversalField::setValueLong(value);
  }
  void setValueBinary(const void* data, int length) override {
    calls += "binary ";
    UniversalField::setValueBinary(data, length);
  }
  std::string calls;

 private:
  mutable std::string shown_;
};

// Its line shows its own getValueString(); copy() uses the virtual setters.
TEST(UniversalField, DerivedFieldSeesItsOverridesInLineAndCopy) {
  const UniversalFieldGroupList list;
  const UniversalField sources[] = {
      UniversalField("i", 7),     UniversalField("l", 1LL << 40),
      UniversalField("d", 0.5),   UniversalField("t", "abc"),
      UniversalField("g", &list), binaryField("b", "x", 1)};
  BracketedField derived("f");
  for (const UniversalField& source : sources) derived.copy(source);
  EXPECT_EQ("int long double text list binary ", derived.calls);
  const std::pair<BracketedField, const char*> rows[] = {
      {BracketedField("55", 7), "field: 55 = [7]\n"},
      {BracketedField("1", "abc"), "field: 1 = [abc]\n"},
      {BracketedField("268", &list), "field: 268 = [list]\n"}};
  for (const auto& [field, line] : rows) EXPECT_EQ(line, field.toString());
}

// Inline (up to 63 characters) or heap texts survive copies and self-setting.
TEST(UniversalField, TextsOfEveryLengthKeepTheirValueWhereverTheyLive) {
  for (std::size_t length : {0, 1, 63, 64, 130}) {
    std::string text;
    while (text.size() < length) text += char('0' + text.size() % 75);
    UniversalField field("T", text.c_str());
    const UniversalField copy(field);
    UniversalField assigned("A", 5);
    assigned = field;
    field.setValue(field.getValueString() + (length > 0));
    EXPECT_EQ(text + "|" + text + "|" + text.substr(length > 0),
              std::string(copy.getValueString()) + "|" +
                  assigned.getValueString() + "|" + field.getValueString());
  }
}

}  // namespace
