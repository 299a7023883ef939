#include "tolvex/foundation/utc_time_only.h"

#include <gtest/gtest.h>

#include <string>

#include "tolvex/foundation/utc_test_util.h"

using utc_test::ole;

namespace {

// The hour, minute and second of value, or "rejected" for 0.0.
std::string timeOf(double value) {
  _SYSTEMTIME t{};
  if (value == 0.0 || !ruvak3::date::OleTimeToWindowsTime(value, &t)) {
    return "rejected";
  }
  return std::to_string(t.wHour) + ":" + std::to_string(t.wMinute) + ":" +
         std::to_string(t.wSecond);
}

}  // namespace

TEST(CUTCTimeOnlyTest, ParsesTheTimeGrammar) {
  const struct {
    const char* text;
    const char* time;
  } rows[] = {
      // Separators are not read; after the eighth character nothing is.
      {"08-15-00", "8:15:0"},
      {"23:59:59.999", "23:59:59"},
      // Too short, not a number, or refused by the conversion.
      {"08:15:0", "rejected"},
      {"08:xx:00", "rejected"},
      {"24:00:00", "rejected"},
      {"-1:00:00", "rejected"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.time,
              timeOf(CUTCTimeOnly::parse(utc_test::exactCopy(row.text).get())))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCTimeOnly::parse(nullptr));
}

TEST(CUTCTimeOnlyTest, ParseTakesToday) {
  _SYSTEMTIME before{}, parsed{}, after{};
  ruvak3::date::GetSystemWindowsTime(&before);
  const double value = CUTCTimeOnly::parse("08-15-00");
  ruvak3::date::GetSystemWindowsTime(&after);
  ASSERT_EQ(1, ruvak3::date::OleTimeToWindowsTime(value, &parsed));
  EXPECT_EQ("8:15:0", timeOf(value));
  // Unless the clock passed midnight meanwhile.
  if (before.wDay == after.wDay) {
    EXPECT_EQ(before.wDay, parsed.wDay);
    EXPECT_EQ(before.wMonth, parsed.wMonth);
    EXPECT_EQ(before.wYear, parsed.wYear);
  }
}

// Date and milliseconds are left out, not rounded; bad texts give 0.0.
TEST(CUTCTimeOnlyTest, FormatsTheTimeOnlyAndConstructorsKeepTheFailureValue) {
  CUTCTimeOnly t(0.0);
  EXPECT_EQ("23:59:59",
            utc_test::formatted(t, ole(2024, 1, 31, 23, 59, 59, 999)));
  EXPECT_EQ("06:00:00", utc_test::formatted(t, -1.25));
  EXPECT_EQ("(null)", utc_test::formatted(t, -1e9));
  EXPECT_EQ(0.0, CUTCTimeOnly("25:00:00").toVariantTime());
  EXPECT_EQ(0.0,
            CUTCTimeOnly(static_cast<const char*>(nullptr)).toVariantTime());
  char buffer[9];
  CUTCTimeOnly("08:15:00").toString(buffer, sizeof buffer);
  EXPECT_STREQ("08:15:00", buffer);
  const _SYSTEMTIME record = utc_test::record(2024, 1, 31, 6);
  CUTCTimeOnly source(&record);
  const CUTCTimeOnly& constSource = source;
  EXPECT_EQ(45322.25, CUTCTimeOnly(source).toVariantTime());
  EXPECT_EQ(45322.25, CUTCTimeOnly(constSource).toVariantTime());
  EXPECT_GT(CUTCTimeOnly().toVariantTime(), 45322.0);
}
