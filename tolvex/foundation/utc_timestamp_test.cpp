#include "tolvex/foundation/utc_timestamp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "tolvex/foundation/utc_date.h"
#include "tolvex/foundation/utc_test_util.h"

using utc_test::formatted;
using utc_test::ole;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// True when value was read from the clock between before and now.
::testing::AssertionResult isNow(double value, double before) {
  if (value >= before && value <= utc_test::now()) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << value << " is not now";
}

}  // namespace

TEST(CUTCTimestampTest, ParsesTheTimestampGrammar) {
  const double t = ole(2024, 1, 31, 23, 59, 59);
  const double ms = 1 / 86400000.0;
  const struct {
    const char* text;
    double value;
  } rows[] = {
      // The full form, and without milliseconds.
      {"20240131-23:59:59.123", ole(2024, 1, 31, 23, 59, 59, 123)},
      {"20240131-23:59:59", t},
      // Milliseconds are an integer count, not a fraction.
      {"20240131-23:59:59.7", ole(2024, 1, 31, 23, 59, 59, 7)},
      // The separators are not looked at.
      {"20240131T23.59.59:5", ole(2024, 1, 31, 23, 59, 59, 5)},
      // An empty or non-numeric milliseconds field gives 0 ms.
      {"20240131-23:59:59.", t},
      {"20240131-23:59:59.x12", t},
      // The milliseconds end at a non-digit or after three characters.
      {"20240131-23:59:59.12x", ole(2024, 1, 31, 23, 59, 59, 12)},
      {"20240131-23:59:59.1234567", ole(2024, 1, 31, 23, 59, 59, 123)},
      // sscanf skips blanks and takes signs inside a field...
      {"2024 131-23:59:59. +5", ole(2024, 1, 31, 23, 59, 59, 5)},
      // ...and a negative count wraps to 16 bits, out of range.
      {"20240131-23:59:59.-1", 0.0},
      // Shorter than 17 characters, or a field that is not a number.
      {"20240131-23:59:5", 0.0},
      {"", 0.0},
      {"2024013X-23:59:59", 0.0},
      // Fields out of range are refused by the conversion.
      {"20230229-00:00:00", 0.0},
      {"20240131-24:00:00", 0.0},
      {"20240131-23:59:60", 0.0},
      {"00990101-00:00:00", 0.0},
      // The ends of the range.
      {"01000101-00:00:00.000", ole(100, 1, 1)},
      {"99991231-23:59:59.999", 2958466.0 - ms},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.value,
              CUTCTimestamp::parse(utc_test::exactCopy(row.text).get()))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCTimestamp::parse(nullptr));
}

TEST(CUTCTimestampTest, ParseAgreesWithTheScanRoute) {
  std::mt19937 random(17);
  for (int i = 0; i < 200000; ++i) {
    const std::string text =
        i % 2 ? utc_test::mutate(random, "20240229-12:34:56.789xyz")
              : utc_test::randomBytes(random, 24);
    const auto copy = utc_test::exactCopy(text);
    const double expected = utc_test::referenceTimestamp(copy.get());
    const double got = CUTCTimestamp::parse(copy.get());
    if (got != expected) FAIL() << '"' << text << "\": " << got;
  }
}

TEST(CUTCTimestampTest, FormatsIntoAZeroFilled64ByteBlock) {
  CUTCTimestamp t(0.0);
  const struct {
    double value;
    const char* text;
  } rows[] = {
      // The epoch is a time like any other.
      {0.0, "18991230-00:00:00.000"},
      // Zero-padded fields.
      {ole(100, 2, 3, 4, 5, 6, 7), "01000203-04:05:06.007"},
      // Before the epoch the fraction counts forward from midnight.
      {-1.25, "18991229-06:00:00.000"},
      // Rounding to the millisecond carries into the next day.
      {45323.0 - 0.4 / 86400000.0, "20240201-00:00:00.000"},
      // Values that do not convert print nothing.
      {kNaN, "(null)"},
      {2958466.0, "(null)"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.text, formatted(t, row.value)) << row.value;
  }
  char* text = t.format(45322.5);
  for (int i = 21; i < 64; ++i) EXPECT_EQ('\0', text[i]) << i;
  std::free(text);
}

TEST(CUTCTimestampTest, TextsRoundTripThroughParseAndFormat) {
  CUTCTimestamp t(0.0);
  std::mt19937 random(2024);
  for (int i = 0; i < 100000; ++i) {
    // Every millisecond of a second at both ends of the range, then random
    // times across it.
    const _SYSTEMTIME st =
        i < 2000
            ? utc_test::record(i < 1000 ? 100 : 9999, 12, 31, 23, 59, 59,
                               i % 1000)
            : utc_test::record(100 + random() % 9900, 1 + random() % 12,
                               1 + random() % 28, random() % 24, random() % 60,
                               random() % 60, random() % 1000);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d:%02d:%02d.%03d",
                  st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute,
                  st.wSecond, st.wMilliseconds);
    const std::string back = formatted(t, CUTCTimestamp::parse(text));
    if (back != text) FAIL() << text << " came back as " << back;
  }
  for (int i = 0; i < 20000; ++i) {
    double value;
    const unsigned long long bits =
        (static_cast<unsigned long long>(random()) << 32) | random();
    std::memcpy(&value, &bits, sizeof value);
    std::free(t.format(value));
  }
}

// A text that does not parse, or encodes the failure value, means now; so do
// a null record and create(nullptr). A rejected record gives 0.0, and leaves
// the value of setDate unchanged.
TEST(CUTCTimestampTest, ConstructorsSetDateAndCreate) {
  EXPECT_EQ(ole(2024, 1, 31, 23, 59, 59, 123),
            CUTCTimestamp("20240131-23:59:59.123").toVariantTime());
  for (const char* text : {"2024013X-23:59:59", "18991230-00:00:00.000",
                           static_cast<const char*>(nullptr)}) {
    const double before = utc_test::now();
    EXPECT_TRUE(isNow(CUTCTimestamp(text).toVariantTime(), before));
  }
  double before = utc_test::now();
  EXPECT_TRUE(isNow(CUTCTimestamp().toVariantTime(), before));
  const _SYSTEMTIME noon = utc_test::record(2024, 1, 31, 12);
  const _SYSTEMTIME bad = utc_test::record(2024, 2, 30);
  EXPECT_EQ(45322.5, CUTCTimestamp(&noon).toVariantTime());
  EXPECT_EQ(0.0, CUTCTimestamp(&bad).toVariantTime());
  CUTCTimestamp* t = CUTCTimestamp::create(&noon);
  EXPECT_EQ(0, t->setDate(&bad));
  EXPECT_EQ(45322.5, t->toVariantTime());
  CUTCTimestamp::release(t);
  before = utc_test::now();
  t = CUTCTimestamp::create(nullptr);
  EXPECT_TRUE(isNow(t->toVariantTime(), before));
  EXPECT_NE(0, t->setDate(nullptr));
  EXPECT_TRUE(isNow(t->toVariantTime(), before));
  const CUTCTimestamp& source = *t;
  EXPECT_EQ(t->toVariantTime(), CUTCTimestamp(*t).toVariantTime());
  EXPECT_EQ(t->toVariantTime(), CUTCTimestamp(source).toVariantTime());
  CUTCTimestamp::release(t);
  // Derived objects are deleted through the virtual destructor.
  CUTCTimestamp::release(new CUTCDate(1.0));
  CUTCTimestamp::release(nullptr);
}

TEST(CUTCTimestampTest, ToSystemTime) {
  _SYSTEMTIME st = utc_test::record(1, 2, 3);
  EXPECT_EQ(0, CUTCTimestamp(1e9).toSystemTime(&st));
  EXPECT_EQ(1, st.wYear);
  EXPECT_EQ(0, CUTCTimestamp(1.0).toSystemTime(nullptr));
  EXPECT_NE(0, CUTCTimestamp(-1.25).toSystemTime(&st));
  EXPECT_EQ(ole(1899, 12, 29, 6), ole(st));
}

TEST(CUTCTimestampTest, CompareToIsExact) {
  const struct {
    double left, right;
    int result;
  } rows[] = {
      {1.0, 2.0, -1},
      {2.0, 1.0, 1},
      {1.0, 1.0, 0},
      // No tolerance: one unit in the last place is a difference.
      {45322.5, std::nextafter(45322.5, 0.0), 1},
      // A NaN on either side compares equal.
      {kNaN, 1.0, 0},
      {1.0, kNaN, 0},
  };
  for (const auto& row : rows) {
    CUTCTimestamp left(row.left), right(row.right);
    const CUTCTimestamp &constLeft = left, &constRight = right;
    EXPECT_EQ(row.result, left.compareTo(right)) << row.left;
    EXPECT_EQ(row.result, constLeft.compareTo(constRight)) << row.left;
  }
}

TEST(CUTCTimestampTest, ToStringCopiesWhatFitsThroughTheVirtualFormat) {
  CUTCTimestamp t(45322.5);
  char buffer[32];
  t.toString(buffer, 22);
  EXPECT_STREQ("20240131-12:00:00.000", buffer);
  // Too small: the bounded copy leaves the empty string.
  t.toString(buffer, 21);
  EXPECT_STREQ("", buffer);
  // Nothing to write into.
  std::strcpy(buffer, "keep");
  t.toString(buffer, 0);
  t.toString(buffer, -5);
  t.toString(nullptr, 32);
  EXPECT_STREQ("keep", buffer);
  CUTCTimestamp(kNaN).toString(buffer, sizeof buffer);
  EXPECT_STREQ("", buffer);
  // A derived object prints its own form, also through a base reference.
  CUTCDate date(45322.5);
  static_cast<CUTCTimestamp&>(date).toString(buffer, sizeof buffer);
  EXPECT_STREQ("20240131", buffer);
}

TEST(CUTCTimestampTest, AddSecondsFollowsTheTimeLineOnBothSidesOfDayZero) {
  const struct {
    double start, seconds;
    const char* expected;
  } rows[] = {
      {ole(2024, 1, 31, 23, 59, 59, 500), 1, "20240201-00:00:00.500"},
      // Before day zero a plain sum of the value would go back to 05:59:59.
      {ole(1899, 12, 29, 6), 1, "18991229-06:00:01.000"},
      {0.0, -1, "18991229-23:59:59.000"},
  };
  for (const auto& row : rows) {
    CUTCTimestamp t(row.start);
    t.addSeconds(row.seconds);
    EXPECT_EQ(row.expected, formatted(t, t.toVariantTime())) << row.start;
  }
}
