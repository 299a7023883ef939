// Timestamp, date and time-of-day texts through the three parse operations and
// back through format: a text that parses formats to a text that parses to the
// same value, and toString() stays inside buffers of every size.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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
