#include "ruvak3/date.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

using namespace ruvak3::date;

namespace {

constexpr double kMsPerDay = 86400000.0;

_SYSTEMTIME record(int year, int month, int day, int hour = 0, int minute = 0,
                   int second = 0, int ms = 0) {
  _SYSTEMTIME t{};
  t.wYear = static_cast<unsigned short>(year);
  t.wMonth = static_cast<unsigned short>(month);
  t.wDay = static_cast<unsigned short>(day);
  t.wHour = static_cast<unsigned short>(hour);
  t.wMinute = static_cast<unsigned short>(minute);
  t.wSecond = static_cast<unsigned short>(second);
  t.wMilliseconds = static_cast<unsigned short>(ms);
  return t;
}

// A record filled with a pattern that no conversion writes.
_SYSTEMTIME untouched() {
  _SYSTEMTIME t;
  std::memset(&t, 0xA5, sizeof t);
  return t;
}

bool sameRecord(const _SYSTEMTIME& a, const _SYSTEMTIME& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

::testing::AssertionResult convertsTo(double value, const _SYSTEMTIME& want) {
  _SYSTEMTIME got = untouched();
  if (OleTimeToWindowsTime(value, &got) == 0)
    return ::testing::AssertionFailure() << value << " was rejected";
  if (sameRecord(got, want)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << value << " gave " << got.wYear << "-" << got.wMonth << "-"
         << got.wDay << " " << got.wHour << ":" << got.wMinute << ":"
         << got.wSecond << "." << got.wMilliseconds << " weekday "
         << got.wDayOfWeek;
}

_SYSTEMTIME withWeekday(_SYSTEMTIME t, int weekday) {
  t.wDayOfWeek = static_cast<unsigned short>(weekday);
  return t;
}

}  // namespace

TEST(DateTest, KnownDatesConvertBothWays) {
  struct Row {
    _SYSTEMTIME time;
    double value;
    int weekday;
  };
  const Row rows[] = {
      // The epoch, a Saturday.
      {record(1899, 12, 30), 0.0, 6},
      // The fraction is the time of day.
      {record(1899, 12, 30, 12), 0.5, 6},
      {record(1970, 1, 1, 18), 25569.75, 4},
      // Years divisible by 400 are leap years.
      {record(2000, 2, 29, 6), 36585.25, 2},
      {record(2024, 1, 31), 45322.0, 3},
      // Before the epoch the fraction still counts forward from midnight.
      {record(1899, 12, 29, 6), -1.25, 5},
      {record(1600, 2, 29, 18), -109512.75, 2},
      // The ends of the range.
      {record(100, 1, 1), -657434.0, 5},
      {record(9999, 12, 31), 2958465.0, 5},
  };
  for (const Row& row : rows) {
    double value = -99.0;
    EXPECT_EQ(1, WindowsTimeToOleTime(&row.time, &value));
    EXPECT_EQ(row.value, value);
    EXPECT_TRUE(convertsTo(row.value, withWeekday(row.time, row.weekday)));
  }
}

TEST(DateTest, NegativeZeroFractionMirrorsThePositiveOne) {
  EXPECT_TRUE(convertsTo(-0.5, withWeekday(record(1899, 12, 30, 12), 6)));
  EXPECT_TRUE(convertsTo(-0.0, withWeekday(record(1899, 12, 30), 6)));
}

TEST(DateTest, RecordsWithAFieldOutOfRangeAreRejected) {
  const _SYSTEMTIME rows[] = {
      record(99, 12, 31),             // year below 100
      record(10000, 1, 1),            // year above 9999
      record(2024, 0, 1),             // month 0
      record(2024, 13, 1),            // month 13
      record(2024, 1, 0),             // day 0
      record(2024, 1, 32),            // day 32
      record(2024, 4, 31),            // day 31 in a 30-day month
      record(2023, 2, 29),            // leap day in a common year
      record(1900, 2, 29),            // centuries are common years...
      record(2024, 2, 30),            // ...and February has 29 days at most
      record(2024, 1, 31, 24),        // hour 24
      record(2024, 1, 31, 0, 60),     // minute 60
      record(2024, 1, 31, 0, 0, 60),  // leap seconds are not representable
      record(2024, 1, 31, 0, 0, 0, 1000),  // milliseconds 1000
  };
  for (const _SYSTEMTIME& row : rows) {
    double value = 42.0;
    EXPECT_EQ(0, WindowsTimeToOleTime(&row, &value))
        << row.wYear << "-" << row.wMonth << "-" << row.wDay;
    EXPECT_EQ(42.0, value);
  }
  const _SYSTEMTIME fine = record(2024, 2, 29, 23, 59, 59, 999);
  EXPECT_EQ(0, WindowsTimeToOleTime(&fine, nullptr));
  double value = 42.0;
  EXPECT_EQ(0, WindowsTimeToOleTime(nullptr, &value));
  EXPECT_EQ(42.0, value);
}

TEST(DateTest, ValuesOutsideTheRangeAreRejected) {
  const double inf = std::numeric_limits<double>::infinity();
  const double rows[] = {std::numeric_limits<double>::quiet_NaN(),
                         inf,
                         -inf,
                         -657435.0,  // 0099-12-31
                         2958466.0,  // 10000-01-01
                         1e300,
                         -1e300};
  for (double row : rows) {
    _SYSTEMTIME t = untouched();
    EXPECT_EQ(0, OleTimeToWindowsTime(row, &t)) << row;
    EXPECT_TRUE(sameRecord(untouched(), t)) << row;
  }
  EXPECT_EQ(0, OleTimeToWindowsTime(1.0, nullptr));
}

TEST(DateTest, TimeOfDayRoundsToTheNearestMillisecond) {
  const double day = 45322.0;  // 2024-01-31, a Wednesday
  EXPECT_TRUE(
      convertsTo(day + 0.4 / kMsPerDay, withWeekday(record(2024, 1, 31), 3)));
  EXPECT_TRUE(convertsTo(day + 0.6 / kMsPerDay,
                         withWeekday(record(2024, 1, 31, 0, 0, 0, 1), 3)));
  // Rounding up from the last millisecond carries into the next day...
  EXPECT_TRUE(convertsTo(day + (kMsPerDay - 0.4) / kMsPerDay,
                         withWeekday(record(2024, 2, 1), 4)));
  // ...also before the epoch, where the day counts towards zero...
  EXPECT_TRUE(convertsTo(-1.0 - (kMsPerDay - 0.4) / kMsPerDay,
                         withWeekday(record(1899, 12, 30), 6)));
  // ...but not past the end of the range.
  _SYSTEMTIME t = untouched();
  EXPECT_EQ(
      0, OleTimeToWindowsTime(2958465.0 + (kMsPerDay - 0.4) / kMsPerDay, &t));
  EXPECT_TRUE(
      convertsTo(2958465.0 + (kMsPerDay - 1) / kMsPerDay,
                 withWeekday(record(9999, 12, 31, 23, 59, 59, 999), 5)));
}

TEST(DateTest, EveryDayOfTheRangeFollowsItsPredecessor) {
  _SYSTEMTIME previous{};
  ASSERT_EQ(1, OleTimeToWindowsTime(-657434.0, &previous));
  for (int day = -657433; day <= 2958465; ++day) {
    _SYSTEMTIME t{};
    ASSERT_EQ(1, OleTimeToWindowsTime(day, &t)) << day;
    const bool nextDay = t.wYear == previous.wYear &&
                         t.wMonth == previous.wMonth &&
                         t.wDay == previous.wDay + 1;
    const bool nextMonth = t.wYear == previous.wYear &&
                           t.wMonth == previous.wMonth + 1 && t.wDay == 1;
    const bool nextYear = t.wYear == previous.wYear + 1 && t.wMonth == 1 &&
                          t.wDay == 1 && previous.wMonth == 12 &&
                          previous.wDay == 31;
    ASSERT_TRUE(nextDay || nextMonth || nextYear) << day;
    ASSERT_EQ((previous.wDayOfWeek + 1) % 7, t.wDayOfWeek) << day;
    double value = 0.0;
    ASSERT_EQ(1, WindowsTimeToOleTime(&t, &value)) << day;
    ASSERT_EQ(day, value);
    previous = t;
  }
  EXPECT_EQ(9999, previous.wYear);
}

TEST(DateTest, MillisecondsOfADayRoundTrip) {
  // The ends of the range keep the fewest fraction bits. Every millisecond
  // of the first and last minutes, and a sample of the rest.
  const _SYSTEMTIME days[] = {record(100, 1, 1), record(1899, 12, 29),
                              record(2024, 1, 31), record(9999, 12, 31)};
  for (_SYSTEMTIME t : days) {
    for (long ms = 0; ms < 86400000L; ms += (ms % 86340000L < 60000 ? 1 : 97)) {
      t.wHour = static_cast<unsigned short>(ms / 3600000);
      t.wMinute = static_cast<unsigned short>(ms / 60000 % 60);
      t.wSecond = static_cast<unsigned short>(ms / 1000 % 60);
      t.wMilliseconds = static_cast<unsigned short>(ms % 1000);
      double value = 0.0;
      ASSERT_EQ(1, WindowsTimeToOleTime(&t, &value));
      _SYSTEMTIME back{};
      ASSERT_EQ(1, OleTimeToWindowsTime(value, &back));
      back.wDayOfWeek = 0;
      ASSERT_TRUE(sameRecord(t, back)) << t.wYear << " ms " << ms;
    }
  }
}

TEST(DateTest, SystemTimeIsTheCurrentUtcTime) {
  const std::time_t before = std::time(nullptr);
  _SYSTEMTIME now = untouched();
  GetSystemWindowsTime(&now);
  const std::time_t after = std::time(nullptr);
  double value = 0.0;
  ASSERT_EQ(1, WindowsTimeToOleTime(&now, &value));
  const double seconds = std::floor((value - 25569.0) * 86400.0 + 0.5);
  EXPECT_GE(seconds, static_cast<double>(before) - 1);
  EXPECT_LE(seconds, static_cast<double>(after) + 1);
  _SYSTEMTIME check{};
  ASSERT_EQ(1, OleTimeToWindowsTime(value, &check));
  EXPECT_EQ(check.wDayOfWeek, now.wDayOfWeek);
  GetSystemWindowsTime(nullptr);
}
