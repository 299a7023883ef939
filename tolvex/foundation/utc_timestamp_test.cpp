#include "tolvex/foundation/utc_timestamp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

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

// A client's timestamp class with a text form of its own, which counts its
// destructions.
class ClientTimestamp : public CUTCTimestamp {
 public:
  ClientTimestamp(double value, int* destroyed)
      : CUTCTimestamp(value), destroyed_(destroyed) {}
  ~ClientTimestamp() override { ++*destroyed_; }
  char* format(double value) override {
    char* text = static_cast<char*>(std::malloc(16));
    std::snprintf(text, 16, "<%g>", value);
    return text;
  }

 private:
  int* destroyed_;
};

}  // namespace

TEST(CUTCTimestampTest, ParsesTheTimestampGrammar) {
  const double t = ole(2024, 1, 31, 23, 59, 59);
  const struct {
    const char* text;
    double value;
  } rows[] = {
      {"20240131-23:59:59.123", ole(2024, 1, 31, 23, 59, 59, 123)},
      {"20240131-23:59:59", t},
      // Milliseconds are a count, not a fraction; separators are not read.
      {"20240131T23.59.59:7", ole(2024, 1, 31, 23, 59, 59, 7)},
      // An empty milliseconds field gives 0 ms; they end after three digits.
      {"20240131-23:59:59.", t},
      {"20240131-23:59:59.1234", ole(2024, 1, 31, 23, 59, 59, 123)},
      // A negative count wraps out of range; too short; a field out of range.
      {"20240131-23:59:59.-1", 0.0},
      {"20240131-23:59:5", 0.0},
      {"20240131-24:00:00", 0.0},
      {"99991231-23:59:59.999", 2958466.0 - 1 / 86400000.0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.value,
              CUTCTimestamp::parse(utc_test::exactCopy(row.text).get()))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCTimestamp::parse(nullptr));
}

TEST(CUTCTimestampTest, FormatsIntoAZeroFilled64ByteBlock) {
  CUTCTimestamp t(0.0);
  const struct {
    double value;
    const char* text;
  } rows[] = {
      {0.0, "18991230-00:00:00.000"},
      {ole(100, 2, 3, 4, 5, 6, 7), "01000203-04:05:06.007"},
      // Before the epoch the fraction counts forward from midnight.
      {-1.25, "18991229-06:00:00.000"},
      // Rounding to the millisecond carries into the next day.
      {45323.0 - 0.4 / 86400000.0, "20240201-00:00:00.000"},
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

// Unparsable text, no record and create(nullptr) mean now; a bad record 0.0.
TEST(CUTCTimestampTest, ConstructorsSetDateAndCreate) {
  for (const char* text : {"2024013X-23:59:59", "18991230-00:00:00.000",
                           static_cast<const char*>(nullptr)}) {
    const double before = utc_test::now();
    EXPECT_TRUE(isNow(CUTCTimestamp(text).toVariantTime(), before));
  }
  const _SYSTEMTIME noon = utc_test::record(2024, 1, 31, 12);
  const _SYSTEMTIME bad = utc_test::record(2024, 2, 30);
  EXPECT_EQ(0.0, CUTCTimestamp(&bad).toVariantTime());
  CUTCTimestamp* t = CUTCTimestamp::create(&noon);
  EXPECT_EQ(0, t->setDate(&bad));
  EXPECT_EQ(45322.5, t->toVariantTime());
  EXPECT_EQ(45322.5, CUTCTimestamp(*t).toVariantTime());
  EXPECT_EQ(
      45322.5,
      CUTCTimestamp(static_cast<const CUTCTimestamp&>(*t)).toVariantTime());
  EXPECT_NE(0, t->setDate(nullptr));
  CUTCTimestamp::release(t);
  const double before = utc_test::now();
  EXPECT_TRUE(isNow(CUTCTimestamp().toVariantTime(), before));
  t = CUTCTimestamp::create(nullptr);
  EXPECT_TRUE(isNow(t->toVariantTime(), before));
  CUTCTimestamp::release(t);
  CUTCTimestamp::release(nullptr);
}

// Out of range leaves the record; compareTo has no tolerance, NaN is equal.
TEST(CUTCTimestampTest, ToSystemTimeAndCompareTo) {
  _SYSTEMTIME st = utc_test::record(1, 2, 3);
  EXPECT_EQ(0, CUTCTimestamp(1e9).toSystemTime(&st));
  EXPECT_EQ(1, st.wYear);
  EXPECT_EQ(0, CUTCTimestamp(1.0).toSystemTime(nullptr));
  EXPECT_NE(0, CUTCTimestamp(-1.25).toSystemTime(&st));
  EXPECT_EQ(ole(1899, 12, 29, 6), ole(st));
  const double rows[][3] = {{1.0, 2.0, -1},
                            {45322.5, std::nextafter(45322.5, 0.0), 1},
                            {1.0, kNaN, 0}};
  for (const auto& row : rows) {
    CUTCTimestamp left(row[0]), right(row[1]);
    const CUTCTimestamp& constLeft = left;
    EXPECT_EQ(row[2], left.compareTo(right)) << row[0];
    EXPECT_EQ(row[2],
              constLeft.compareTo(static_cast<const CUTCTimestamp&>(right)));
  }
}

TEST(CUTCTimestampTest, ToStringCopiesWhatFitsThroughTheVirtualFormat) {
  CUTCTimestamp t(45322.5);
  char buffer[32];
  t.toString(buffer, 22);
  EXPECT_STREQ("20240131-12:00:00.000", buffer);
  t.toString(buffer, 21);
  EXPECT_STREQ("", buffer);
  std::strcpy(buffer, "keep");
  t.toString(buffer, 0);
  t.toString(nullptr, 32);
  EXPECT_STREQ("keep", buffer);
  CUTCTimestamp(kNaN).toString(buffer, sizeof buffer);
  EXPECT_STREQ("", buffer);
  // A client's class prints its own form, and release() destroys it whole.
  int destroyed = 0;
  CUTCTimestamp* own = new ClientTimestamp(1.5, &destroyed);
  own->toString(buffer, sizeof buffer);
  EXPECT_STREQ("<1.5>", buffer);
  CUTCTimestamp::release(own);
  EXPECT_EQ(1, destroyed);
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
