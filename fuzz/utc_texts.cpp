// Timestamp, date and time-of-day texts through the three parse operations and
// back through format: a text that parses formats to a text that parses to the
// same value, and toString() stays inside buffers of every size. Texts with
// plain digits in every field are held against the C library's calendar
// (timegm and gmtime_r), which shares nothing with the library's own.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "tolvex/foundation/utc_date.h"
#include "tolvex/foundation/utc_time_only.h"
#include "tolvex/foundation/utc_timestamp.h"

#include "oracle.h"

namespace {

// Copies the object's text into exact-size heap buffers of every size up to
// one past the whole text, so that ASan sees any byte written past the end.
void checkToString(CUTCTimestamp& object, const char* whole) {
  const size_t length = std::strlen(whole);
  for (size_t size = 1; size <= length + 1; ++size) {
    std::vector<char> buffer(size, 'x');
    object.toString(buffer.data(), static_cast<int>(size));
    check(std::memchr(buffer.data(), '\0', size) != nullptr,
          "toString leaves a terminated text");
    if (size == length + 1) {
      check(std::strcmp(buffer.data(), whole) == 0, "toString of a large room");
    }
  }
}

// Formats value with object's own form; the text is parsed with parse and
// the result handed to same, which judges it.
template <typename Parse, typename Same>
void checkRoundTrip(CUTCTimestamp& object, double value, Parse parse,
                    Same same) {
  char* text = object.format(value);
  check(text != nullptr, "a parsed value formats");
  const double again = parse(text);
  check(same(value, again), "the formatted text parses to the same value");
  checkToString(object, text);
  std::free(text);
}

// The number of `width` digits at text[at], or -1 when one is not a digit.
int digitsAt(const std::string& text, size_t at, size_t width) {
  if (text.size() < at + width) return -1;
  int value = 0;
  for (size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The OLE date of a calendar day, or nullopt for a day that does not exist
// or lies outside the years 100 to 9999.
std::optional<double> oleDay(int year, int month, int day) {
  if (year < 100 || month < 1 || month > 12 || day < 1) return std::nullopt;
  std::tm fields{};
  fields.tm_year = year - 1900;
  fields.tm_mon = month - 1;
  fields.tm_mday = day;
  const time_t seconds = timegm(&fields);
  std::tm back{};
  if (gmtime_r(&seconds, &back) == nullptr || back.tm_mday != day ||
      back.tm_mon != month - 1) {
    return std::nullopt;  // timegm moved a day past the month's end
  }
  // 25569 days lie between 1899-12-30, day 0, and 1970-01-01.
  return static_cast<double>(seconds / 86400) + 25569.0;
}

// What a text of plain digits parses to: `stamp` and `date` are set, to 0.0
// for a refused value, when the text has plain digits in every field of that
// form; left unset otherwise.
void expectByCalendar(const std::string& text, std::optional<double>& stamp,
                      std::optional<double>& date) {
  const int year = digitsAt(text, 0, 4), month = digitsAt(text, 4, 2),
            day = digitsAt(text, 6, 2);
  if (year < 0 || month < 0 || day < 0) return;
  const std::optional<double> days = oleDay(year, month, day);
  date = days.value_or(0.0);
  const int hour = digitsAt(text, 9, 2), minute = digitsAt(text, 12, 2),
            second = digitsAt(text, 15, 2);
  if (hour < 0 || minute < 0 || second < 0) return;
  // The milliseconds: absent, empty, or one to three leading digits.
  int ms = 0;
  if (text.size() > 18) {
    size_t digits = 0;
    while (digits < 3 && digitsAt(text, 18 + digits, 1) >= 0) ++digits;
    if (digits == 0) return;
    ms = digitsAt(text, 18, digits);
  }
  if (!days || hour > 23 || minute > 59 || second > 59) {
    stamp = 0.0;
    return;
  }
  const double sign = *days < 0 ? -1.0 : 1.0;
  stamp = *days + sign * ((hour * 3600 + minute * 60 + second) * 1000 + ms) /
                      86400000.0;
}

bool sameTimeOfDay(double a, double b) {
  _SYSTEMTIME x{}, y{};
  CUTCTimestamp ta(a), tb(b);
  return ta.toSystemTime(&x) && tb.toSystemTime(&y) && x.wHour == y.wHour &&
         x.wMinute == y.wMinute && x.wSecond == y.wSecond;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data),
                         strnlen(reinterpret_cast<const char*>(data), size));

  const double stamp = CUTCTimestamp::parse(text.c_str());
  check(stamp == 0.0 || text.size() >= 17, "a short timestamp text fails");
  std::optional<double> calendarStamp, calendarDate;
  expectByCalendar(text, calendarStamp, calendarDate);
  // Within half a millisecond: the two sums may round apart.
  check(!calendarStamp || std::fabs(stamp - *calendarStamp) < 5e-9,
        "a timestamp of plain digits parses as the calendar says");
  check(!calendarDate || CUTCDate::parse(text.c_str()) == *calendarDate,
        "a date of plain digits parses as the calendar says");
  if (stamp != 0.0) {
    CUTCTimestamp object(stamp);
    checkRoundTrip(object, stamp, CUTCTimestamp::parse,
                   [](double a, double b) { return a == b; });
    // A timestamp whose first eight characters are digits has that date
    // (blanks would let the number scan run on into the time fields).
    if (text.find_first_not_of("0123456789") >= 8) {
      // The whole days of an OLE date count the day, before 1899-12-30 too
      // (there the fraction counts forward from the day's start).
      check(CUTCDate::parse(text.c_str()) == std::trunc(stamp),
            "a timestamp's date parses to the start of its day");
    }
  }

  const double date = CUTCDate::parse(text.c_str());
  check(date == 0.0 || text.size() >= 8, "a short date text fails");
  if (date != 0.0) {
    CUTCDate object(date);
    checkRoundTrip(object, date, CUTCDate::parse,
                   [](double a, double b) { return a == b; });
  }

  const double time = CUTCTimeOnly::parse(text.c_str());
  check(time == 0.0 || text.size() >= 8, "a short time text fails");
  const int hour = digitsAt(text, 0, 2), minute = digitsAt(text, 3, 2),
            second = digitsAt(text, 6, 2);
  if (hour >= 0 && minute >= 0 && second >= 0) {
    const bool valid = hour < 24 && minute < 60 && second < 60;
    check(valid ? time != 0.0 &&
                      sameTimeOfDay(
                          time, (hour * 3600 + minute * 60 + second) / 86400.0)
                : time == 0.0,
          "a time of plain digits parses as the clock says");
  }
  if (time != 0.0) {
    // The date and milliseconds come from the clock: compare the time of day.
    CUTCTimeOnly object(time);
    checkRoundTrip(object, time, CUTCTimeOnly::parse, sameTimeOfDay);
  }

  // Arbitrary values, in range or not, format to a text or to null.
  if (size >= 8) {
    double value;
    std::memcpy(&value, data, sizeof value);
    CUTCTimestamp object(value);
    char* formatted = object.format(value);
    if (formatted != nullptr) {
      check(std::strlen(formatted) < 64, "a formatted text fits its block");
      checkToString(object, formatted);
    } else {
      char buffer[4] = "abc";
      object.toString(buffer, sizeof buffer);
      check(buffer[0] == '\0', "toString of a value out of range is empty");
    }
    std::free(formatted);
  }
  return 0;
}
