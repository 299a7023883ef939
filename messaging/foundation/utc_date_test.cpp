#include "tolvex/foundation/utc_date.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tolvex/foundation/utc_test_util.h"

using utc_test::ole;

TEST(CUTCDateTest, ParsesTheDateGrammar) {
  struct Row {
    const char* text;
    double value;
  };
  const Row rows[] = {
      // Midnight of the day.
      {"20240131", ole(2024, 1, 31)},
      // Characters after the eighth are ignored: a timestamp parses as its
      // date.
      {"20240131-12:00:00", ole(2024, 1, 31)},
      // sscanf skips blanks and takes a sign inside a field.
      {"2024 1 1", ole(2024, 1, 1)},
      {"2024+1+1", ole(2024, 1, 1)},
      // Fewer than eight characters.
      {"2024", 0.0},
      {"2024013", 0.0},
      {"", 0.0},
      // A field ends at its first non-digit...
      {"2024013X", ole(2024, 1, 3)},
      // ...and one that does not begin with a digit is not a number.
      {"2024xx31", 0.0},
      // Dates the conversion refuses.
      {"20240230", 0.0},
      {"19000229", 0.0},
      {"20241301", 0.0},
      {"00990101", 0.0},
      {"2024-101", 0.0},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.value, CUTCDate::parse(utc_test::exactCopy(row.text).get()))
        << row.text;
  }
  EXPECT_EQ(0.0, CUTCDate::parse(nullptr));
}

TEST(CUTCDateTest, ParseAgreesWithTheScanRouteOnNearbyTexts) {
  utc_test::TextMutator mutator(8);
  for (int i = 0; i < 100000; ++i) {
    const std::string text = mutator.next("20240229x");
    const auto copy = utc_test::exactCopy(text);
    _SYSTEMTIME t{};
    const double expected = utc_test::referenceFields(
                                copy.get(), true, &t.wYear, &t.wMonth, &t.wDay)
                                ? utc_test::ole(t)
                                : 0.0;
    ASSERT_EQ(expected, CUTCDate::parse(copy.get())) << '"' << text << '"';
  }
}

TEST(CUTCDateTest, FormatsTheDateForm) {
  CUTCDate d(0.0);
  struct Row {
    double value;
    const char* text;
  };
  const Row rows[] = {
      // The time of day is left out, not rounded.
      {ole(2024, 1, 31, 23, 59, 59, 999), "20240131"},
      // Zero-padded year.
      {ole(100, 1, 1), "01000101"},
      // Before the epoch.
      {-1.75, "18991229"},
      // Values that do not convert print nothing.
      {1e9, "(null)"},
  };
  for (const Row& row : rows) {
    char* text = d.format(row.value);
    EXPECT_EQ(row.text, std::string(text != nullptr ? text : "(null)"));
    std::free(text);
  }
}

TEST(CUTCDateTest, TextConstructorKeepsTheFailureValue) {
  // Unlike the timestamp, a text that does not parse gives 0.0.
  CUTCDate d("2024");
  EXPECT_EQ(0.0, d.toVariantTime());
  char buffer[16];
  d.toString(buffer, sizeof buffer);
  EXPECT_STREQ("18991230", buffer);
  EXPECT_EQ(0.0, CUTCDate(static_cast<const char*>(nullptr)).toVariantTime());
  EXPECT_EQ(ole(2024, 1, 31), CUTCDate("20240131").toVariantTime());
}

TEST(CUTCDateTest, KeepsTheTimeOfDay) {
  const _SYSTEMTIME t = utc_test::record(2024, 1, 31, 6);
  EXPECT_EQ(45322.25, CUTCDate(&t).toVariantTime());
  CUTCDate source(45322.25);
  const CUTCDate& constSource = source;
  EXPECT_EQ(45322.25, CUTCDate(source).toVariantTime());
  EXPECT_EQ(45322.25, CUTCDate(constSource).toVariantTime());
  const double before = utc_test::now();
  const CUTCDate now;
  EXPECT_GE(now.toVariantTime(), before);
  EXPECT_LE(now.toVariantTime(), utc_test::now());
}
