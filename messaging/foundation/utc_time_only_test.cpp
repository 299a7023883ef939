#include "tolvex/foundation/utc_time_only.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tolvex/foundation/utc_test_util.h"

using utc_test::ole;

namespace {

// The hour, minute and second of value, or "rejected" for 0.0.
std::string timeOf(double value) {
  if (value == 0.0) return "rejected";
  _SYSTEMTIME t{};
  if (!ruvak3::date::OleTimeToWindowsTime(value, &t)) return "unconvertible";
  return std::to_string(t.wHour) + ":" + std::to_string(t.wMinute) + ":" +
         std::to_string(t.wSecond);
}

}  // namespace

TEST(CUTCTimeOnlyTest, ParsesTheTimeGrammar) {
  struct Row {
    const char* text;
    const char* time;
  };
  const Row rows[] = {
      // The usual form.
      {"08:15:00", "8:15:0"},
      // The separators are not looked at.
      {"08-15-00", "8:15:0"},
      // Characters after the eighth are ignored.
      {"23:59:59.999 and more", "23:59:59"},
      // sscanf skips blanks inside a field.
      {" 8: 5: 0", "8:5:0"},
      // Fewer than eight characters.
      {"08:15:0", "rejected"},
      {"", "rejected"},
      // A field that is not a number.
      {"08:1x:00", "rejected"},
      {"xx:15:00", "rejected"},
      // Times the conversion refuses.
      {"24:00:00", "rejected"},
      {"23:60:00", "rejected"},
      {"23:59:60", "rejected"},
      {"-1:00:00", "rejected"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.time,
              timeOf(CUTCTimeOnly::parse(utc_test::exactCopy(row.text).get())))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCTimeOnly::parse(nullptr));
}

TEST(CUTCTimeOnlyTest, ParseTakesTodaysDateAndTheClocksMilliseconds) {
  _SYSTEMTIME before{}, parsed{}, after{};
  ruvak3::date::GetSystemWindowsTime(&before);
  const double value = CUTCTimeOnly::parse("08-15-00");
  ruvak3::date::GetSystemWindowsTime(&after);
  ASSERT_EQ(1, ruvak3::date::OleTimeToWindowsTime(value, &parsed));
  if (before.wDay != after.wDay) GTEST_SKIP() << "ran across midnight";
  EXPECT_EQ(before.wYear, parsed.wYear);
  EXPECT_EQ(before.wMonth, parsed.wMonth);
  EXPECT_EQ(before.wDay, parsed.wDay);
  const int ms = parsed.wMilliseconds;
  const bool withinClock =
      before.wSecond == after.wSecond
          ? ms >= before.wMilliseconds && ms <= after.wMilliseconds
          : true;
  EXPECT_TRUE(withinClock) << ms;
  CUTCTimeOnly t(value);
  char buffer[16];
  t.toString(buffer, sizeof buffer);
  EXPECT_STREQ("08:15:00", buffer);
}

TEST(CUTCTimeOnlyTest, ParseAgreesWithTheScanRouteOnNearbyTexts) {
  utc_test::TextMutator mutator(9);
  for (int i = 0; i < 100000; ++i) {
    const std::string text = mutator.next("12:34:56x");
    const auto copy = utc_test::exactCopy(text);
    _SYSTEMTIME t = utc_test::record(2024, 1, 31);
    const bool read = utc_test::referenceFields(copy.get(), false, &t.wHour,
                                                &t.wMinute, &t.wSecond);
    const std::string expected = read ? timeOf(utc_test::ole(t)) : "rejected";
    ASSERT_EQ(expected, timeOf(CUTCTimeOnly::parse(copy.get())))
        << '"' << text << '"';
  }
}

TEST(CUTCTimeOnlyTest, FormatsTheTimeForm) {
  CUTCTimeOnly t(0.0);
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      // The date and the milliseconds are left out, not rounded.
      {ole(2024, 1, 31, 23, 59, 59, 999), "23:59:59"},
      // Zero-padded fields.
      {ole(2024, 1, 31, 8, 5, 0), "08:05:00"},
      // Before the epoch the fraction still counts forward from midnight.
      {-1.25, "06:00:00"},
      // Values that do not convert print nothing.
      {-1e9, "(null)"},
  };
  for (const Row& row : rows) {
    char* text = t.format(row.value);
    EXPECT_EQ(row.text, std::string(text != nullptr ? text : "(null)"));
    std::free(text);
  }
}

TEST(CUTCTimeOnlyTest, TextConstructorKeepsTheFailureValueAndTheDate) {
  EXPECT_EQ(0.0, CUTCTimeOnly("25:00:00").toVariantTime());
  EXPECT_EQ(0.0,
            CUTCTimeOnly(static_cast<const char*>(nullptr)).toVariantTime());
  EXPECT_EQ("8:15:0", timeOf(CUTCTimeOnly("08:15:00").toVariantTime()));
  // The value keeps its date; only the text omits it.
  CUTCTimeOnly source(45322.25);
  const CUTCTimeOnly& constSource = source;
  EXPECT_EQ(45322.25, CUTCTimeOnly(source).toVariantTime());
  EXPECT_EQ(45322.25, CUTCTimeOnly(constSource).toVariantTime());
  const _SYSTEMTIME record = utc_test::record(2024, 1, 31, 6);
  EXPECT_EQ(45322.25, CUTCTimeOnly(&record).toVariantTime());
  EXPECT_GT(CUTCTimeOnly().toVariantTime(), 45322.0);
}
