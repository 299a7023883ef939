#include "tolvex/foundation/utc_timestamp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "tolvex/foundation/utc_date.h"
#include "tolvex/foundation/utc_test_util.h"

using utc_test::ole;

namespace {

// The text form of value, "(null)" when format fails.
std::string formatted(CUTCTimestamp& t, double value) {
  char* text = t.format(value);
  std::string result = text != nullptr ? text : "(null)";
  std::free(text);
  return result;
}

// True when now() was read between two clock readings around it.
::testing::AssertionResult isNow(double value, double before, double after) {
  if (value >= before && value <= after) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << value << " is not in [" << before << ", " << after << "]";
}

}  // namespace

TEST(CUTCTimestampTest, ParsesTheTimestampGrammar) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      // The full form.
      {"20240131-23:59:59.123", ole(2024, 1, 31, 23, 59, 59, 123)},
      // Without milliseconds.
      {"20240131-23:59:59", ole(2024, 1, 31, 23, 59, 59)},
      // Milliseconds are an integer count, not a fraction.
      {"20240131-23:59:59.7", ole(2024, 1, 31, 23, 59, 59, 7)},
      {"20240131-23:59:59.07", ole(2024, 1, 31, 23, 59, 59, 7)},
      // The separators are not looked at.
      {"20240131T23.59.59", ole(2024, 1, 31, 23, 59, 59)},
      {"20240131-23:59:59:5", ole(2024, 1, 31, 23, 59, 59, 5)},
      // An empty or non-numeric milliseconds field gives 0 ms.
      {"20240131-23:59:59.", ole(2024, 1, 31, 23, 59, 59)},
      {"20240131-23:59:59.x12", ole(2024, 1, 31, 23, 59, 59)},
      // The milliseconds end at their first non-digit or third digit.
      {"20240131-23:59:59.12x", ole(2024, 1, 31, 23, 59, 59, 12)},
      {"20240131-23:59:59.1234567", ole(2024, 1, 31, 23, 59, 59, 123)},
      // sscanf skips blanks and takes signs inside a field.
      {"2024 131-23:59:59", ole(2024, 1, 31, 23, 59, 59)},
      {"20240131-23:59:59. +5", ole(2024, 1, 31, 23, 59, 59, 5)},
      // A negative count wraps to 16 bits and is out of range.
      {"20240131-23:59:59.-1", 0.0},
      // Fewer than 17 characters, or nothing at all.
      {"20240131-23:59:5", 0.0},
      {"", 0.0},
      // A field that is not a number.
      {"2024013X-23:59:59", 0.0},
      // Fields out of range are refused by the conversion.
      {"20241301-00:00:00", 0.0},
      {"20230229-00:00:00", 0.0},
      {"20240131-24:00:00", 0.0},
      {"20240131-23:60:00", 0.0},
      {"20240131-23:59:60", 0.0},
      {"00990101-00:00:00", 0.0},
      // Leap days and the ends of the range.
      {"20000229-00:00:00", ole(2000, 2, 29)},
      {"01000101-00:00:00.000", ole(100, 1, 1)},
      {"99991231-23:59:59.999", ole(9999, 12, 31, 23, 59, 59, 999)},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.value,
              CUTCTimestamp::parse(utc_test::exactCopy(row.text).get()))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCTimestamp::parse(nullptr));
}

TEST(CUTCTimestampTest, FormatsTheTimestampForm) {
  CUTCTimestamp t(0.0);
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      // The epoch is a valid time, not a failure.
      {0.0, "18991230-00:00:00.000"},
      // Zero-padded fields.
      {ole(2024, 1, 31, 23, 59, 59, 123), "20240131-23:59:59.123"},
      {ole(100, 2, 3, 4, 5, 6, 7), "01000203-04:05:06.007"},
      // Before the epoch the fraction still counts forward from midnight.
      {-1.25, "18991229-06:00:00.000"},
      // The time rounds to the nearest millisecond, carrying into the next
      // day.
      {45322.0 + 0.4 / 86400000.0, "20240131-00:00:00.000"},
      {45323.0 - 0.4 / 86400000.0, "20240201-00:00:00.000"},
      // Values that do not convert print nothing.
      {std::numeric_limits<double>::quiet_NaN(), "(null)"},
      {std::numeric_limits<double>::infinity(), "(null)"},
      {2958466.0, "(null)"},
      {-657435.0, "(null)"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.text, formatted(t, row.value)) << row.value;
  }
}

TEST(CUTCTimestampTest, FormatReturnsAZeroFilled64ByteBlock) {
  CUTCTimestamp t(0.0);
  char* text = t.format(45322.5);
  ASSERT_NE(nullptr, text);
  EXPECT_EQ(21u, std::strlen(text));
  for (int i = 21; i < 64; ++i) EXPECT_EQ('\0', text[i]) << i;
  std::free(text);
}

TEST(CUTCTimestampTest, TextsRoundTripThroughParseAndFormat) {
  CUTCTimestamp t(0.0);
  // Every millisecond of the last second of a few days, and random times
  // across the whole range.
  for (int year : {100, 1899, 2024, 9999}) {
    for (int ms = 0; ms < 1000; ++ms) {
      char text[32];
      std::snprintf(text, sizeof text, "%04d1231-23:59:59.%03d", year, ms);
      ASSERT_EQ(text, formatted(t, CUTCTimestamp::parse(text)));
    }
  }
  utc_test::TextMutator mutator(2024);
  std::uniform_int_distribution<int> anyDay(-657434, 2958465);
  std::uniform_int_distribution<int> anyMs(0, 86400000 - 1);
  for (int i = 0; i < 100000; ++i) {
    const int day = anyDay(mutator.random());
    const double time = anyMs(mutator.random()) / 86400000.0;
    const double value = day < 0 ? day - time : day + time;
    _SYSTEMTIME st{};
    ASSERT_EQ(1, ruvak3::date::OleTimeToWindowsTime(value, &st));
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d:%02d:%02d.%03d",
                  st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
                  st.wSecond, st.wMilliseconds);
    ASSERT_EQ(text, formatted(t, CUTCTimestamp::parse(text)));
  }
}

TEST(CUTCTimestampTest, ParseAgreesWithTheScanRouteOnNearbyTexts) {
  utc_test::TextMutator mutator(17);
  for (int i = 0; i < 200000; ++i) {
    const std::string text = mutator.next("20240229-12:34:56.789xyz");
    const auto copy = utc_test::exactCopy(text);
    ASSERT_EQ(utc_test::referenceTimestamp(copy.get()),
              CUTCTimestamp::parse(copy.get()))
        << '"' << text << '"';
  }
}

TEST(CUTCTimestampTest, ArbitraryBytesNeverCrash) {
  utc_test::TextMutator mutator(5);
  auto& random = mutator.random();
  CUTCTimestamp t(0.0);
  for (int i = 0; i < 20000; ++i) {
    std::string text(random() % 30, '\0');
    for (char& c : text) c = static_cast<char>(1 + random() % 255);
    CUTCTimestamp::parse(utc_test::exactCopy(text).get());
    double value;
    const unsigned long long bits =
        (static_cast<unsigned long long>(random()) << 32) | random();
    std::memcpy(&value, &bits, sizeof value);
    std::free(t.format(value));
  }
}

TEST(CUTCTimestampTest, TextConstructorFallsBackToTheCurrentTime) {
  EXPECT_EQ(ole(2024, 1, 31, 23, 59, 59, 123),
            CUTCTimestamp("20240131-23:59:59.123").toVariantTime());
  for (const char* text :
       {"2024013X-23:59:59", "20240131-23:59:5", "18991230-00:00:00.000"}) {
    const double before = utc_test::now();
    const CUTCTimestamp t(text);
    EXPECT_TRUE(isNow(t.toVariantTime(), before, utc_test::now())) << text;
  }
  const double before = utc_test::now();
  const CUTCTimestamp t(static_cast<const char*>(nullptr));
  EXPECT_TRUE(isNow(t.toVariantTime(), before, utc_test::now()));
}

TEST(CUTCTimestampTest, RecordConstructorsAndSetDate) {
  const _SYSTEMTIME noon = utc_test::record(2024, 1, 31, 12);
  EXPECT_EQ(45322.5, CUTCTimestamp(&noon).toVariantTime());
  // A rejected record leaves 0.0 in a new object and an old value unchanged.
  const _SYSTEMTIME bad = utc_test::record(2024, 2, 30);
  EXPECT_EQ(0.0, CUTCTimestamp(&bad).toVariantTime());
  CUTCTimestamp t(7.0);
  EXPECT_EQ(0, t.setDate(&bad));
  EXPECT_EQ(7.0, t.toVariantTime());
  EXPECT_NE(0, t.setDate(&noon));
  EXPECT_EQ(45322.5, t.toVariantTime());
  // A null record means now.
  double before = utc_test::now();
  EXPECT_NE(0, t.setDate(nullptr));
  EXPECT_TRUE(isNow(t.toVariantTime(), before, utc_test::now()));
  before = utc_test::now();
  const CUTCTimestamp fromNull(static_cast<const _SYSTEMTIME*>(nullptr));
  const CUTCTimestamp byDefault;
  EXPECT_TRUE(isNow(fromNull.toVariantTime(), before, utc_test::now()));
  EXPECT_TRUE(isNow(byDefault.toVariantTime(), before, utc_test::now()));
}

TEST(CUTCTimestampTest, ToSystemTime) {
  CUTCTimestamp t(-1.25);
  _SYSTEMTIME st{};
  EXPECT_NE(0, t.toSystemTime(&st));
  EXPECT_EQ(1899, st.wYear);
  EXPECT_EQ(12, st.wMonth);
  EXPECT_EQ(29, st.wDay);
  EXPECT_EQ(6, st.wHour);
  EXPECT_EQ(0, t.toSystemTime(nullptr));
  const CUTCTimestamp outOfRange(1e9);
  _SYSTEMTIME untouched = utc_test::record(1, 2, 3);
  EXPECT_EQ(0, outOfRange.toSystemTime(&untouched));
  EXPECT_EQ(1, untouched.wYear);
}

TEST(CUTCTimestampTest, CompareToIsExact) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    double left, right;
    int result;
  };
  const Row rows[] = {
      {1.0, 2.0, -1},
      {2.0, 1.0, 1},
      {1.0, 1.0, 0},
      // No tolerance: one unit in the last place is a difference.
      {45322.5, std::nextafter(45322.5, 0.0), 1},
      // A NaN on either side compares equal.
      {nan, 1.0, 0},
      {1.0, nan, 0},
  };
  for (const Row& row : rows) {
    CUTCTimestamp left(row.left), right(row.right);
    EXPECT_EQ(row.result, left.compareTo(right))
        << row.left << " " << row.right;
    const CUTCTimestamp& constLeft = left;
    const CUTCTimestamp& constRight = right;
    EXPECT_EQ(row.result, constLeft.compareTo(constRight));
  }
}

TEST(CUTCTimestampTest, CopiesKeepTheValue) {
  CUTCTimestamp source(123.456);
  const CUTCTimestamp& constSource = source;
  CUTCTimestamp copy(source), constCopy(constSource);
  EXPECT_EQ(123.456, copy.toVariantTime());
  EXPECT_EQ(123.456, constCopy.toVariantTime());
}

TEST(CUTCTimestampTest, ToStringCopiesWhatFits) {
  CUTCTimestamp t(45322.5);
  char buffer[32];
  t.toString(buffer, sizeof buffer);
  EXPECT_STREQ("20240131-12:00:00.000", buffer);
  char exact[22];
  t.toString(exact, sizeof exact);
  EXPECT_STREQ("20240131-12:00:00.000", exact);
  // Too small: the bounded copy leaves the empty string.
  std::strcpy(buffer, "keep");
  t.toString(buffer, 21);
  EXPECT_STREQ("", buffer);
  // Nothing to write into.
  std::strcpy(buffer, "keep");
  t.toString(buffer, 0);
  t.toString(buffer, -5);
  t.toString(nullptr, 32);
  EXPECT_STREQ("keep", buffer);
  // A value that does not convert prints the empty string.
  CUTCTimestamp nan(std::numeric_limits<double>::quiet_NaN());
  nan.toString(buffer, sizeof buffer);
  EXPECT_STREQ("", buffer);
}

TEST(CUTCTimestampTest, ToStringUsesTheDerivedForm) {
  CUTCDate date(45322.5);
  CUTCTimestamp& base = date;
  char buffer[32];
  base.toString(buffer, sizeof buffer);
  EXPECT_STREQ("20240131", buffer);
}

TEST(CUTCTimestampTest, CreateAndRelease) {
  const _SYSTEMTIME noon = utc_test::record(2024, 1, 31, 12);
  CUTCTimestamp* t = CUTCTimestamp::create(&noon);
  EXPECT_EQ(45322.5, t->toVariantTime());
  CUTCTimestamp::release(t);
  const double before = utc_test::now();
  t = CUTCTimestamp::create(nullptr);
  EXPECT_TRUE(isNow(t->toVariantTime(), before, utc_test::now()));
  CUTCTimestamp::release(t);
  // Derived objects are deleted through the virtual destructor.
  CUTCTimestamp::release(new CUTCDate(1.0));
  CUTCTimestamp::release(nullptr);
}
