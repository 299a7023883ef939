#include "ruvak3/date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

using namespace ruvak3::date;

// Global, beside _SYSTEMTIME, so that the assertions find it.
static bool operator==(const _SYSTEMTIME& a, const _SYSTEMTIME& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

namespace {

constexpr double kMsPerDay = 86400000.0;

_SYSTEMTIME record(int year, int month, int day, int hour = 0, int minute = 0,
                   int second = 0, int ms = 0, int weekday = 0) {
  using u16 = unsigned short;
  return {u16(year), u16(month),  u16(weekday), u16(day),
          u16(hour), u16(minute), u16(second),  u16(ms)};
}

// A pattern that no conversion writes.
const _SYSTEMTIME kUntouched =
    record(0xA5A5, 0xA5A5, 0xA5A5, 0xA5A5, 0xA5A5, 0xA5A5, 0xA5A5, 0xA5A5);

_SYSTEMTIME fromOle(double value) {
  _SYSTEMTIME t = kUntouched;
  OleTimeToWindowsTime(value, &t);
  return t;
}

}  // namespace

TEST(DateTest, KnownDatesConvertBothWays) {
  struct Row {
    _SYSTEMTIME time;  // with its day of week
    double value;
  };
  const Row rows[] = {
      {record(1899, 12, 30, 0, 0, 0, 0, 6), 0.0},
      {record(1970, 1, 1, 18, 0, 0, 0, 4), 25569.75},
      {record(2000, 2, 29, 6, 0, 0, 0, 2), 36585.25},
      // Before the epoch the fraction counts forward from midnight.
      {record(1899, 12, 29, 6, 0, 0, 0, 5), -1.25},
      {record(100, 1, 1, 0, 0, 0, 0, 5), -657434.0},
      {record(9999, 12, 31, 23, 59, 59, 999, 5),
       2958465.0 + (kMsPerDay - 1) / kMsPerDay},
  };
  for (const Row& row : rows) {
    double value = -99.0;
    EXPECT_EQ(1, WindowsTimeToOleTime(&row.time, &value));
    EXPECT_EQ(row.value, value);
    EXPECT_EQ(row.time, fromOle(row.value));
  }
  // -0.5 is the same time as 0.5.
  EXPECT_EQ(record(1899, 12, 30, 12, 0, 0, 0, 6), fromOle(-0.5));
}

TEST(DateTest, RecordsWithAFieldOutOfRangeAreRejected) {
  const _SYSTEMTIME rows[] = {
      record(99, 12, 31),                  // year below 100
      record(10000, 1, 1),                 // year above 9999
      record(2024, 0, 1),                  // month 0
      record(2024, 1, 0),                  // day 0
      record(2024, 4, 31),                 // day 31 in a 30-day month
      record(2023, 2, 29),                 // leap day in a common year
      record(1900, 2, 29),                 // centuries are common years
      record(2024, 1, 31, 24),             // hour 24
      record(2024, 1, 31, 0, 0, 60),       // second 60
      record(2024, 1, 31, 0, 0, 0, 1000),  // milliseconds 1000
  };
  for (const _SYSTEMTIME& row : rows) {
    double value = 42.0;
    EXPECT_EQ(0, WindowsTimeToOleTime(&row, &value)) << &row - rows;
    EXPECT_EQ(42.0, value);
  }
  double value = 42.0;
  EXPECT_EQ(0, WindowsTimeToOleTime(&rows[0], nullptr));
  EXPECT_EQ(0, WindowsTimeToOleTime(nullptr, &value));
}

TEST(DateTest, ValuesOutsideTheRangeAreRejected) {
  const double inf = std::numeric_limits<double>::infinity();
  const double rows[] = {std::numeric_limits<double>::quiet_NaN(),
                         inf,
                         -inf,
                         1e300,
                         -657435.0,  // 0099-12-31
                         2958466.0,  // 10000-01-01
                         2958465.0 + (kMsPerDay - 0.4) / kMsPerDay};
  for (double row : rows) EXPECT_EQ(kUntouched, fromOle(row)) << row;
  EXPECT_EQ(0, OleTimeToWindowsTime(1.0, nullptr));
}

TEST(DateTest, TimeOfDayRoundsToTheNearestMillisecond) {
  const double day = 45322.0;  // 2024-01-31, a Wednesday
  EXPECT_EQ(record(2024, 1, 31, 0, 0, 0, 0, 3), fromOle(day + 0.4 / kMsPerDay));
  EXPECT_EQ(record(2024, 1, 31, 0, 0, 0, 1, 3), fromOle(day + 0.6 / kMsPerDay));
  // Rounding up carries into the next day, before the epoch too.
  EXPECT_EQ(record(2024, 2, 1, 0, 0, 0, 0, 4),
            fromOle(day + (kMsPerDay - 0.4) / kMsPerDay));
  EXPECT_EQ(record(1899, 12, 30, 0, 0, 0, 0, 6),
            fromOle(-1.0 - (kMsPerDay - 0.4) / kMsPerDay));
}

TEST(DateTest, SystemTimeIsTheCurrentUtcTime) {
  const std::time_t before = std::time(nullptr);
  _SYSTEMTIME now = kUntouched;
  GetSystemWindowsTime(&now);
  const std::time_t after = std::time(nullptr);
  double value = 0.0;
  ASSERT_EQ(1, WindowsTimeToOleTime(&now, &value));
  const double seconds = std::floor((value - 25569.0) * 86400.0 + 0.5);
  EXPECT_GE(seconds, static_cast<double>(before) - 1);
  EXPECT_LE(seconds, static_cast<double>(after) + 1);
  EXPECT_EQ(fromOle(value).wDayOfWeek, now.wDayOfWeek);
  GetSystemWindowsTime(nullptr);
}
