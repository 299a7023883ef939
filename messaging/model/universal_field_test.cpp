#include "tolvex/model/universal_field.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "tolvex/model/model_test_util.h"
#include "tolvex/model/universal_field_group_list.h"

namespace {

// The "%.60f" text printf makes, the reference for the field's rendering.
std::string printfText(double value) {
  char text[512];
  std::snprintf(text, sizeof text, "%.60f", value);
  return text;
}

UniversalField listField() {
  UniversalFieldGroupList list;
  return UniversalField("F", &list);
}

UniversalField binaryField() {
  UniversalField field("F");
  field.setValueBinary("ab", 2);
  return field;
}

struct ConversionRow {
  UniversalField field;
  int asInt;
  long long asLong;
  double asDouble;
  const char* asString;  // null: no text form
};

TEST(UniversalField, GettersFollowTheConversionTable) {
  const long long kLongMin = std::numeric_limits<long long>::min();
  const ConversionRow rows[] = {
      // no value: neutral everywhere
      {UniversalField("F"), 0, 0, 0.0, nullptr},
      // int: sign-extended, exact, "%d"
      {UniversalField("F", -5), -5, -5, -5.0, "-5"},
      // text: decimal parse up to the first non-digit, strtod for doubles
      {UniversalField("F", "42abc"), 42, 42, 42.0, "42abc"},
      {UniversalField("F", "abc"), 0, 0, 0.0, "abc"},
      {UniversalField("F", " \t-17"), -17, -17, -17.0, " \t-17"},
      {UniversalField("F", "3.9"), 3, 3, 3.9, "3.9"},
      // text: int saturates where long does not, then long saturates too
      {UniversalField("F", "4294967296"), 2147483647, 4294967296LL,
       4294967296.0, "4294967296"},
      {UniversalField("F", "-99999999999999999999"), -2147483647 - 1, kLongMin,
       -99999999999999999999.0, "-99999999999999999999"},
      // text: base 10 only, no prefixes
      {UniversalField("F", "0x1A"), 0, 0, 26.0, "0x1A"},
      {UniversalField("F", "010"), 10, 10, 10.0, "010"},
      // list: only its text form
      {listField(), 0, 0, 0.0, "list"},
      // double: truncated toward zero, "%.60f"
      {UniversalField("F", -2.7), -2, -2, -2.7,
       "-2.700000000000000177635683940025046467781066894531250000000000"},
      // long: low 32 bits, nearest double, "%lld"
      {UniversalField("F", 4294967297LL), 1, 4294967297LL, 4294967297.0,
       "4294967297"},
      {UniversalField("F", kLongMin), 0, kLongMin, -9223372036854775808.0,
       "-9223372036854775808"},
      // binary: nothing but its bytes
      {binaryField(), 0, 0, 0.0, nullptr},
  };
  for (const ConversionRow& row : rows) {
    const char* text = row.field.getValueString();
    SCOPED_TRACE(text == nullptr ? "(null)" : text);
    EXPECT_EQ(row.asInt, row.field.getValueInt());
    EXPECT_EQ(row.asLong, row.field.getValueLong());
    EXPECT_DOUBLE_EQ(row.asDouble, row.field.getValueDouble());
    EXPECT_STREQ(row.asString, text);
  }
}

// The decimal parse against the standard runtime's own, over awkward texts.
TEST(UniversalField, DecimalParseAgreesWithStrtoll) {
  const char* texts[] = {"",
                         "-",
                         "+",
                         "+7",
                         "--7",
                         "- 7",
                         "\n\v\f\r 12",
                         "9223372036854775807",
                         "9223372036854775808",
                         "-9223372036854775808",
                         "-9223372036854775809",
                         "000000000000000000000000123",
                         "2147483647",
                         "2147483648",
                         "-2147483648",
                         "12e3",
                         "\xff"
                         "5"};
  for (const char* text : texts) {
    UniversalField field("F", text);
    const long long expected = std::strtoll(text, nullptr, 10);
    EXPECT_EQ(expected, field.getValueLong()) << '"' << text << '"';
    const long long clamped =
        expected > 2147483647LL
            ? 2147483647LL
            : (expected < -2147483648LL ? -2147483648LL : expected);
    EXPECT_EQ(clamped, field.getValueInt()) << '"' << text << '"';
  }
}

TEST(UniversalField, DoublesOutsideTheIntegerRangeSaturate) {
  UniversalField field("F", 1e300);
  EXPECT_EQ(2147483647, field.getValueInt());
  EXPECT_EQ(std::numeric_limits<long long>::max(), field.getValueLong());
  field.setValueDouble(-1e300);
  EXPECT_EQ(-2147483647 - 1, field.getValueInt());
  EXPECT_EQ(std::numeric_limits<long long>::min(), field.getValueLong());
  field.setValueDouble(std::nan(""));
  EXPECT_EQ(0, field.getValueInt());
  EXPECT_EQ(0, field.getValueLong());
}

// Values of every region of the double range, rendered exactly as printf
// renders them, whether they fit the inline buffer or not.
TEST(UniversalField, DoubleTextMatchesPrintf) {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.1,
                                0.5,
                                1.25,
                                -9.999999999999999,
                                99.99999999999999,
                                100.0,
                                -10.0,
                                DBL_MAX,
                                -DBL_MAX,
                                DBL_MIN,
                                DBL_TRUE_MIN,
                                -DBL_TRUE_MIN,
                                std::ldexp(1.0, 63),
                                1e22,
                                123456789.123456789,
                                std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(),
                                std::nan(""),
                                -std::nan("")};
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 3000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    values.push_back(value);
    // Plenty of values near the inline buffer's limits as well.
    values.push_back(std::ldexp(static_cast<double>(bits >> 11), -46) - 50.0);
  }
  // Both sides of every limit of the digit-by-digit route: 53 significant
  // bits whose lowest is 2^exponent, prices, and the ends of its range.
  for (int exponent = -64; exponent <= 14; ++exponent) {
    for (int i = 0; i < 40; ++i) {
      const double value = std::ldexp(
          static_cast<double>(random() >> 11 | std::uint64_t{1} << 52),
          exponent);
      values.push_back(value);
      values.push_back(-value);
    }
  }
  for (int i = 1; i <= 100000; i += 7) {
    values.push_back(1.0825 + 0.0001 * i);
    values.push_back(i / 1024.0);
  }
  for (double value :
       {std::ldexp(1.0, 64) - std::ldexp(1.0, 11), std::ldexp(1.0, 64),
        std::ldexp(1.0, -60), std::ldexp(3.0, -61)}) {
    values.push_back(value);
  }
  // The dump writes the text itself, without the field's buffer.
  UniversalField field("F");
  for (double value : values) {
    field.setValueDouble(value);
    ASSERT_EQ("field: F = " + printfText(value) + "\n", field.toString())
        << value;
    ASSERT_EQ(printfText(value), field.getValueString()) << value;
  }
}

TEST(UniversalField, DoubleTextFollowsTheLocaleDecimalPoint) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  const char* comma = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      comma = name;
      break;
    }
  }
  if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma";
  UniversalField small("F", 1.25);
  UniversalField large("G", -1e200);
  const std::string smallExpected = printfText(1.25);
  const std::string largeExpected = printfText(-1e200);
  EXPECT_EQ(smallExpected, small.getValueString());
  EXPECT_EQ(largeExpected, large.getValueString());
  EXPECT_EQ("field: F = " + smallExpected + "\n", small.toString());
  EXPECT_EQ("field: G = " + largeExpected + "\n", large.toString());
  std::setlocale(LC_NUMERIC, saved.c_str());
}

// Long texts live in a block that the sanitizer's leak check watches.
TEST(UniversalField, LongDoubleTextIsReleasedWithTheValue) {
  UniversalField field("F", -DBL_MAX);
  EXPECT_EQ(371u, std::strlen(field.getValueString()));
  field.setValueDouble(2.5);
  EXPECT_EQ(printfText(2.5), field.getValueString());
  field.setValueDouble(1e300);
  field.getValueString();
  field.setValueInt(3);
  EXPECT_STREQ("3", field.getValueString());
}

TEST(UniversalField, NullTextOrListLeavesTheValue) {
  UniversalField field("F", 5);
  field.setValue(static_cast<const char*>(nullptr));
  field.setValue(static_cast<const IFieldGroupList*>(nullptr));
  EXPECT_EQ(IField::DT_INT, field.getDataType());
  EXPECT_EQ(5, field.getValueInt());
  // The constructors leave such a field without a value.
  EXPECT_TRUE(
      UniversalField("N", static_cast<const char*>(nullptr)).isNullValue());
  EXPECT_TRUE(UniversalField("N", static_cast<const IFieldGroupList*>(nullptr))
                  .isNullValue());
}

TEST(UniversalField, SettingFromItsOwnStorageKeepsTheValue) {
  UniversalField text("T", "abc");
  text.setValue(text.getValueString());
  EXPECT_STREQ("abc", text.getValueString());

  UniversalField number("N", 42);
  number.setValue(number.getValueString());
  EXPECT_EQ(IField::DT_STRING, number.getDataType());
  EXPECT_STREQ("42", number.getValueString());

  UniversalField huge("H", 1e300);
  const std::string expected = printfText(1e300);
  huge.setValue(huge.getValueString());
  EXPECT_EQ(expected, huge.getValueString());

  UniversalFieldGroupList list;
  UniversalFieldGroup group = model_test::textGroup({{"a", "x"}});
  list.put(&group);
  UniversalField listed("L", &list);
  listed.setValue(listed.getValueList());
  ASSERT_NE(nullptr, listed.getValueList());
  EXPECT_EQ(1, listed.getValueList()->size());

  UniversalField binary("B");
  binary.setValueBinary("wxyz", 4);
  int length = 0;
  const void* own = binary.getValueBinary(length);
  binary.setValueBinary(own, length);
  ASSERT_EQ(4, length);
  EXPECT_EQ(0, std::memcmp("wxyz", binary.getValueBinary(length), 4));
}

TEST(UniversalField, BinaryValueIsTheFieldsOwnCopy) {
  char source[] = "bytes";
  UniversalField field("B");
  field.setValueBinary(source, 5);
  source[0] = 'X';
  int length = 0;
  const void* data = field.getValueBinary(length);
  ASSERT_NE(nullptr, data);
  EXPECT_EQ(5, length);
  EXPECT_EQ(0, std::memcmp("bytes", data, 5));
  EXPECT_EQ(nullptr, field.getValueString());

  // Impossible sizes are ignored; an empty block is a value all the same.
  field.setValueBinary(source, -1);
  field.setValueBinary(nullptr, 3);
  EXPECT_EQ(5, (field.getValueBinary(length), length));
  field.setValueBinary(nullptr, 0);
  EXPECT_NE(nullptr, field.getValueBinary(length));
  EXPECT_EQ(0, length);
}

TEST(UniversalField, CopyTakesNameAndValue) {
  UniversalField target("A", 5);
  const UniversalField nameless("B");
  target = nameless;
  EXPECT_STREQ("B", target.getName());
  EXPECT_EQ(5, target.getValueInt());

  const UniversalField text("T", "abc");
  target = text;
  EXPECT_STREQ("T", target.getName());
  EXPECT_STREQ("abc", target.getValueString());

  target = target;
  EXPECT_STREQ("abc", target.getValueString());
  target.copy(target);
  EXPECT_STREQ("abc", target.getValueString());

  const UniversalField copied(text);
  EXPECT_STREQ("T", copied.getName());
  EXPECT_STREQ("abc", copied.getValueString());
}

TEST(UniversalField, CopiedListIsIndependent) {
  UniversalFieldGroupList list;
  UniversalField source("L", &list);
  UniversalField copy(source);
  UniversalFieldGroup group;
  source.getValueList()->put(&group);
  EXPECT_EQ(1, source.getValueList()->size());
  EXPECT_EQ(0, copy.getValueList()->size());
  EXPECT_EQ(0, list.size());
}

// The copy constructor copies members directly; copy() goes through the
// setters. Both must give the same field for values of every kind, texts on
// both sides of the inline buffer's limit included.
TEST(UniversalField, CopyConstructorAgreesWithCopy) {
  std::vector<UniversalField> sources;
  sources.emplace_back("none");
  for (std::size_t length : {0, 1, 62, 63, 64, 200}) {
    sources.emplace_back("text", std::string(length, 'q').c_str());
  }
  sources.emplace_back("int", -7);
  sources.emplace_back("long", 1LL << 40);
  sources.emplace_back("short double", 1.0825);
  sources.emplace_back("long double", -1e200);
  sources.emplace_back("binary");
  const unsigned char bytes[3] = {9, 0, 8};
  sources.back().setValueBinary(bytes, 3);
  sources.emplace_back("empty binary");
  sources.back().setValueBinary(bytes, 0);
  UniversalFieldGroupList list;
  UniversalFieldGroup entry = model_test::textGroup({{"a", "b"}});
  list.put(&entry);
  sources.emplace_back("list", &list);
  // A text that replaced a number and a double rendered before the copy.
  sources.emplace_back("was int", 5);
  sources.back().setValue("now text");
  sources.emplace_back("rendered", 3e100);
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
    int assignedLength = -1;
    int constructedLength = -1;
    const void* assignedData = assigned.getValueBinary(assignedLength);
    const void* constructedData = constructed.getValueBinary(constructedLength);
    ASSERT_EQ(assignedLength, constructedLength);
    EXPECT_EQ(assignedData == nullptr, constructedData == nullptr);
    if (constructedData != nullptr) {
      EXPECT_NE(source.getValueBinary(assignedLength), constructedData);
      EXPECT_EQ(0, std::memcmp(assignedData, constructedData,
                               static_cast<std::size_t>(constructedLength)));
    }
    if (source.getDataType() == IField::DT_STRING) {
      EXPECT_NE(source.getValueString(), constructed.getValueString());
    }
    if (source.getDataType() == IField::DT_LIST) {
      EXPECT_NE(source.getValueList(), constructed.getValueList());
      EXPECT_EQ(1, constructed.getValueList()->size());
    }
  }
}

struct LineRow {
  const char* rule;
  UniversalField field;
  const char* line;
};

TEST(UniversalField, ToStringLines) {
  UniversalField binary("bin");
  binary.setValueBinary("x", 1);
  UniversalFieldGroupList list;
  const LineRow rows[] = {
      // int in decimal
      {"int", UniversalField("55", 7), "field: 55 = 7\n"},
      {"int min", UniversalField("55", std::numeric_limits<int>::min()),
       "field: 55 = -2147483648\n"},
      // text as stored
      {"text", UniversalField("1", "abc"), "field: 1 = abc\n"},
      // long in decimal
      {"long", UniversalField("L", -5LL), "field: L = -5\n"},
      {"long min", UniversalField("L", std::numeric_limits<long long>::min()),
       "field: L = -9223372036854775808\n"},
      // double with sixty decimals: 0.5 gives 62 characters
      {"double", UniversalField("D", 0.5),
       "field: D = 0.500000000000000000000000000000000000000000000000000000"
       "000000\n"},
      // list by its kind's name
      {"list", UniversalField("G", &list), "field: G = list\n"},
      // no text form: nothing after the equals sign
      {"none", UniversalField("N"), "field: N = \n"},
      {"binary", binary, "field: bin = \n"},
  };
  for (const LineRow& row : rows) {
    EXPECT_EQ(row.line, row.field.toString()) << row.rule;
  }
}

// Texts up to 63 characters live in the field's own buffer, longer ones on
// the heap; either way a text reads back as given, survives copies, number
// getters and other fields' changes, and is released with a kind change.
TEST(UniversalField, TextsOfEveryLengthKeepTheirValueWhereverTheyLive) {
  std::mt19937 random(7);
  for (std::size_t length = 0; length <= 130; ++length) {
    std::string text(length, 'x');
    for (char& c : text) c = static_cast<char>('0' + random() % 75);
    SCOPED_TRACE(length);

    UniversalField field("T", text.c_str());
    const char* stored = field.getValueString();
    EXPECT_EQ(text, stored);
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
    EXPECT_NE(copy.getValueString(), assigned.getValueString());

    // A text taken from the field itself, whole or in part.
    copy.setValue(copy.getValueString());
    EXPECT_EQ(text, copy.getValueString());
    if (length > 0) {
      assigned.setValue(assigned.getValueString() + 1);
      EXPECT_EQ(text.substr(1), assigned.getValueString());
    }

    // From text to a number and back: the number's text form, then the text.
    copy.setValueInt(-12);
    EXPECT_STREQ("-12", copy.getValueString());
    copy.setValue(text.c_str());
    EXPECT_EQ(text, copy.getValueString());
    copy.setValueDouble(1e300);
    EXPECT_EQ(printfText(1e300), copy.getValueString());
  }
}

}  // namespace
