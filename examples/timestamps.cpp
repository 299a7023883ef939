// UTC timestamps, dates and times of day: parse their texts, format them,
// compare them and convert them to broken-down time. All three hold an OLE
// automation date: days since 1899-12-30 00:00 UTC, the fraction being the
// time of day. Fixed values only, so the output never changes.
#include <cstdio>
#include <cstdlib>

#include "tolvex/tolvex.h"

int main() {
  std::printf("== Parse a timestamp text ==\n");
  CUTCTimestamp opened("20240131-23:59:59.123");
  std::printf("OLE date %.9f\n", opened.toVariantTime());
  char text[32];
  opened.toString(text, sizeof text);
  std::printf("text     %s\n", text);

  std::printf("\n== The same instant as a date and as a time of day ==\n");
  // format() returns a heap block that the caller frees with free().
  CUTCDate date(opened.toVariantTime());
  char* dateText = date.format(date.toVariantTime());
  CUTCTimeOnly time(opened.toVariantTime());
  char* timeText = time.format(time.toVariantTime());
  std::printf("date %s, time %s\n", dateText, timeText);
  std::free(dateText);
  std::free(timeText);

  std::printf("\n== From broken-down time and back ==\n");
  _SYSTEMTIME fields = {};
  fields.wYear = 2024;
  fields.wMonth = 2;
  fields.wDay = 29;
  fields.wHour = 12;
  fields.wMinute = 30;
  CUTCTimestamp leapDay(&fields);
  leapDay.toString(text, sizeof text);
  std::printf("2024-02-29 12:30 -> %s\n", text);
  _SYSTEMTIME back = {};
  leapDay.toSystemTime(&back);
  std::printf("day of week %u (0 is Sunday)\n", back.wDayOfWeek);

  std::printf("\n== Compare ==\n");
  std::printf("opened vs leap day: %d\n", opened.compareTo(leapDay));
  std::printf("leap day vs opened: %d\n", leapDay.compareTo(opened));

  std::printf("\n== Texts that do not parse give 0.0 ==\n");
  const char* bad[] = {"20241301-00:00:00", "2024", "not a time at all"};
  for (const char* candidate : bad) {
    std::printf("%-20s %.1f\n", candidate, CUTCTimestamp::parse(candidate));
  }
  return 0;
}
