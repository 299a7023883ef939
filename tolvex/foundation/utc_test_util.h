#pragma once

// Test helpers for the UTC classes: records, and texts in exact heap blocks.

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "ruvak3/date.h"
#include "tolvex/foundation/utc_timestamp.h"

namespace utc_test {

inline _SYSTEMTIME record(int year, int month, int day, int hour = 0,
                          int minute = 0, int second = 0, int ms = 0) {
  using u16 = unsigned short;
  return {u16(year), u16(month),  u16(0),      u16(day),
          u16(hour), u16(minute), u16(second), u16(ms)};
}

/// The OLE date of a record; 0.0 for a rejected one.
inline double ole(const _SYSTEMTIME& t) {
  double value = 0.0;
  return ruvak3::date::WindowsTimeToOleTime(&t, &value) ? value : 0.0;
}

inline double ole(int year, int month, int day, int hour = 0, int minute = 0,
                  int second = 0, int ms = 0) {
  return ole(record(year, month, day, hour, minute, second, ms));
}

inline double now() {
  _SYSTEMTIME t{};
  ruvak3::date::GetSystemWindowsTime(&t);
  return ole(t);
}

/// The text form of value in t's own format, "(null)" when format fails.
inline std::string formatted(CUTCTimestamp& t, double value) {
  char* text = t.format(value);
  std::string result = text != nullptr ? text : "(null)";
  std::free(text);
  return result;
}

inline std::unique_ptr<char[]> exactCopy(const std::string& text) {
  std::unique_ptr<char[]> copy(new char[text.size() + 1]);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  return copy;
}

}  // namespace utc_test
