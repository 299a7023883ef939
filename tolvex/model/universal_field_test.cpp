#include "tolvex/model/universal_field.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

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

// Each getter, and the dump line, for values of every kind.
TEST(UniversalField, GettersFollowTheConversionTable) {
  const UniversalFieldGroupList list;
  const ConversionRow rows[] = {
      {UniversalField("F"), 0, 0, 0.0, nullptr},      // no value: neutral
      {UniversalField("F", -5), -5, -5, -5.0, "-5"},  // int: exact, "%d"
      {UniversalField("F", INT_MIN), INT_MIN, INT_MIN, INT_MIN, "-2147483648"},
      {UniversalField("F", "3.9"), 3, 3, 3.9, "3.9"},  // text: strtoll, strtod
      {UniversalField("F", "0x1A"), 0, 0, 26.0, "0x1A"},  // integers in base 10
      {UniversalField("F", &list), 0, 0, 0.0, "list"},
      // double: truncated toward zero, "%.60f"
      {UniversalField("F", -2.7), -2, -2, -2.7,
       "-2.700000000000000177635683940025046467781066894531250000000000"},
      // long: low 32 bits, nearest double, "%lld"
      {UniversalField("F", 4294967297LL), 1, 4294967297LL, 4294967297.0,
       "4294967297"},
      {UniversalField("F", LLONG_MIN), 0, LLONG_MIN, -9223372036854775808.0,
       "-9223372036854775808"},
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
  // Doubles from the first one outside the integer ranges saturate; NaN
  // gives 0.
  const std::tuple<double, int, long long> limits[] = {
      {2147483648.0, INT_MAX, 2147483648LL},
      {-2147483649.0, INT_MIN, -2147483649LL},
      {9223372036854775808.0, INT_MAX, LLONG_MAX},
      {-1e300, INT_MIN, LLONG_MIN},
      {std::nan(""), 0, 0}};
  for (const auto& [value, asInt, asLong] : limits) {
    EXPECT_EQ(asInt, UniversalField("F", value).getValueInt()) << value;
    EXPECT_EQ(asLong, UniversalField("F", value).getValueLong()) << value;
  }
}

// The decimal parse against the standard runtime's own, over awkward texts.
TEST(UniversalField, DecimalParseAgreesWithStrtoll) {
  for (const char* text :
       {"", "-", "+", "+7", "--7", "- 7", "\n\v\f\r 12", "9223372036854775807",
        "9223372036854775808", "-9223372036854775808", "-9223372036854775809",
        "000000000000000000000000123", "2147483640", "2147483647", "2147483648",
        "-2147483648", "12e3", "\3775"}) {
    const UniversalField field("F", text);
    const long long expected = std::strtoll(text, nullptr, 10);
    EXPECT_EQ(expected, field.getValueLong()) << '"' << text << '"';
    const long long clamped = expected > INT_MAX   ? INT_MAX
                              : expected < INT_MIN ? INT_MIN
                                                   : expected;
    EXPECT_EQ(clamped, field.getValueInt()) << '"' << text << '"';
  }
}

// Doubles of every region rendered as printf does, in any decimal point.
TEST(UniversalField, DoubleTextMatchesPrintf) {
  // With their negatives: zeros, buffer limits, range ends, infinity, NaN.
  std::vector<double> values;
  for (double value : {0.0, 0.1, 9.999999999999999, 99.99999999999999, 10.0,
                       100.0, DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1e22,
                       123456789.123456789, HUGE_VAL, std::nan("")}) {
    values.push_back(value);
    values.push_back(-value);
  }
  // 53 significant bits whose lowest is 2^exponent, about the fast path's
  // limits, and prices (arbitrary doubles are the fuzz harness's).
  for (int exponent = -64; exponent <= 14; ++exponent) {
    values.push_back(std::ldexp(0x1FEDCBA9876543p0, exponent));
    values.push_back(-std::ldexp(0x10000000000001p0, exponent));
  }
  for (int i = 1; i <= 100000; i += 7) values.push_back(1.0825 + 0.0001 * i);
  // A comma and a point of two bytes too (their locales come with the
  // project's packages). The dump writes the text itself; one field takes
  // every value, freeing a spilled text.
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
      EXPECT_EQ(printfText(value), field.getValueString()) << locale;
      if (HasFailure()) break;
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
  EXPECT_STREQ("N", field.getName());
  EXPECT_EQ("bytes", bytesOf(field));
  field.setValueBinary(nullptr, 0);
  EXPECT_EQ("", bytesOf(field));
  EXPECT_TRUE(UniversalField("N", static_cast<const IFieldGroupList*>(nullptr))
                  .isNullValue());
}

// The copy constructor (member by member), copy() (through the setters) and
// setting a field from its own storage agree for values of every kind.
TEST(UniversalField, CopyConstructorAgreesWithCopy) {
  const UniversalFieldGroup empty;
  UniversalFieldGroupList list;
  list.put(&empty);
  std::vector<UniversalField> sources;
  sources.insert(
      sources.end(),
      {UniversalField("none"), UniversalField("int", -7),
       UniversalField("long", 1LL << 40), UniversalField("short", 1.0825),
       UniversalField("spilled", -1e200),
       binaryField("block", "\x09\x00\x08", 3), binaryField("empty", "", 0),
       UniversalField("list", &list), UniversalField("was int", 5),
       UniversalField("rendered", 3e100)});
  // A text that replaced a number and a double rendered before the copy.
  sources[sources.size() - 2].setValue("now text");
  sources.back().getValueString();
  for (const UniversalField& source : sources) {
    const UniversalField constructed(source);
    UniversalField assigned;
    assigned.copy(source);
    SCOPED_TRACE(source.getName());
    EXPECT_STREQ(assigned.getName(), constructed.getName());
    ASSERT_EQ(assigned.getDataType(), constructed.getDataType());
    EXPECT_EQ(assigned.toString(), constructed.toString());
    EXPECT_EQ(assigned.getValueLong(), constructed.getValueLong());
    EXPECT_EQ(bytesOf(assigned), bytesOf(constructed));
    // Block, list and text form set from the field's own storage.
    int length = -1;
    const void* data = assigned.getValueBinary(length);
    assigned.setValueBinary(data, length);
    assigned.setValue(assigned.getValueList());
    EXPECT_EQ(bytesOf(constructed), bytesOf(assigned));
    if (source.getDataType() == IField::DT_LIST) {
      EXPECT_EQ(1, constructed.getValueList()->size());
      EXPECT_EQ(1, assigned.getValueList()->size());
    }
    const char* text = constructed.getValueString();
    assigned.setValue(assigned.getValueString());
    EXPECT_STREQ(text, assigned.getValueString());
  }
}

// A field class of a client's: its text form is its own, and it records the
// setters that copy() calls on it.
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

// A derived field's line shows its own getValueString() for every kind, and
// copy() reaches it through the virtual setters.
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
      {BracketedField("9000", 1LL << 40), "field: 9000 = [1099511627776]\n"},
      {BracketedField("270", 0.5),
       "field: 270 = "
       "[0.500000000000000000000000000000000000000000000000000000000000]\n"},
      {BracketedField("1", "abc"), "field: 1 = [abc]\n"},
      {BracketedField("268", &list), "field: 268 = [list]\n"}};
  for (const auto& [field, line] : rows) EXPECT_EQ(line, field.toString());
}

// Texts in the inline buffer (up to 63 characters) or on the heap survive
// copies, number getters, self-assignment and kind changes.
TEST(UniversalField, TextsOfEveryLengthKeepTheirValueWhereverTheyLive) {
  std::mt19937 random(7);
  for (std::size_t length = 0; length <= 130; ++length) {
    std::string text(length, 'x');
    for (char& c : text) c = static_cast<char>('0' + random() % 75);
    SCOPED_TRACE(length);
    UniversalField field("T", text.c_str());
    const char* stored = field.getValueString();
    // Number getters read the text without moving or rewriting it.
    field.getValueInt();
    field.getValueDouble();
    EXPECT_EQ(stored, field.getValueString());
    EXPECT_EQ(text, stored);
    UniversalField copy(field);
    UniversalField assigned("A", 5);
    assigned = field;
    field.setValue("changed");
    EXPECT_EQ(text, copy.getValueString());
    EXPECT_EQ(text, assigned.getValueString());
    // A text taken from the field itself, whole or in part.
    copy.setValue(copy.getValueString());
    EXPECT_EQ(text, copy.getValueString());
    if (length > 0) {
      assigned.setValue(assigned.getValueString() + 1);
      EXPECT_EQ(text.substr(1), assigned.getValueString());
    }
    // To a number and back, then to a spilled double.
    copy.setValueInt(-12);
    EXPECT_STREQ("-12", copy.getValueString());
    copy.setValue(text.c_str());
    EXPECT_EQ(text, copy.getValueString());
    copy.setValueDouble(1e300);
    EXPECT_EQ(printfText(1e300), copy.getValueString());
  }
}

}  // namespace
