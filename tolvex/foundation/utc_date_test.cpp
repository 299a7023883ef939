#include "tolvex/foundation/utc_date.h"

#include <gtest/gtest.h>

#include <string>

#include "tolvex/foundation/utc_test_util.h"

using utc_test::ole;

TEST(CUTCDateTest, ParsesTheDateGrammar) {
  const struct {
    const char* text;
    double value;
  } rows[] = {
      // After the eighth character nothing is read; a field ends at a
      // non-digit; too short, not a number or refused gives 0.0.
      {"20240131-12:00:00", ole(2024, 1, 31)},
      {"2024013X", ole(2024, 1, 3)},
      {"2024013", 0.0},
      {"2024xx31", 0.0},
      {"19000229", 0.0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.value, CUTCDate::parse(utc_test::exactCopy(row.text).get()))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCDate::parse(nullptr));
}

// The time of day is left out, not rounded; an unparsed text gives 0.0.
TEST(CUTCDateTest, FormatsTheDateOnlyAndConstructorsKeepTheFailureValue) {
  CUTCDate d(0.0);
  EXPECT_EQ("20240131",
            utc_test::formatted(d, ole(2024, 1, 31, 23, 59, 59, 999)));
  EXPECT_EQ("18991229", utc_test::formatted(d, -1.75));
  EXPECT_EQ("(null)", utc_test::formatted(d, 1e9));
  CUTCDate unparsed("2024");
  EXPECT_EQ(0.0, unparsed.toVariantTime());
  char buffer[16];
  unparsed.toString(buffer, sizeof buffer);
  EXPECT_STREQ("18991230", buffer);
  EXPECT_EQ(0.0, CUTCDate(static_cast<const char*>(nullptr)).toVariantTime());
  const _SYSTEMTIME record = utc_test::record(2024, 1, 31, 6);
  CUTCDate source(&record);
  const CUTCDate& constSource = source;
  EXPECT_EQ(45322.25, CUTCDate(source).toVariantTime());
  EXPECT_EQ(45322.25, CUTCDate(constSource).toVariantTime());
  const double before = utc_test::now();
  EXPECT_GE(CUTCDate().toVariantTime(), before);
}
