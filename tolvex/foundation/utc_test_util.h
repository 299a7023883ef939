#pragma once

// Test helpers for the UTC date and time classes: records, texts in exactly
// sized heap blocks (so that AddressSanitizer sees any read past the end),
// and reference readers that take the sscanf route of the text forms step by
// step, to hold the library's fast paths against.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
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

/// Copies the fields of text (at from, of the given widths) over the letters
/// of mask, which has a blank after each field, and scans it with format.
template <int kFields, typename... Out>
int scanMask(const char* text, std::string mask, const int (&from)[kFields],
             const int (&width)[kFields], const char* format, Out*... out) {
  for (int f = 0, to = 0; f < kFields; to += width[f] + 1, ++f) {
    mask.replace(to, width[f], text + from[f], width[f]);
  }
  return std::sscanf(mask.c_str(), format, out...);
}

/// The sscanf route of the timestamp text.
inline double referenceTimestamp(const char* text) {
  if (text == nullptr || std::strlen(text) < 17) return 0.0;
  std::string mask = "yyyy mm dd hh mm cc mmm";
  if (std::strlen(text) > 17) {
    mask = mask.substr(0, 20) + std::string(text + 18).substr(0, 3);
  }
  int v[7] = {};
  if (scanMask(text, mask, {0, 4, 6, 9, 12, 15}, {4, 2, 2, 2, 2, 2},
               "%d%d%d%d%d%d%d", &v[0], &v[1], &v[2], &v[3], &v[4], &v[5],
               &v[6]) < 6) {
    return 0.0;
  }
  return ole(record(v[0], v[1], v[2], v[3], v[4], v[5], v[6]));
}

/// The sscanf route of the date text (date) or the time text into t.
inline bool referenceFields(const char* text, bool date, _SYSTEMTIME* t) {
  if (text == nullptr || std::strlen(text) < 8) return false;
  return date ? scanMask(text, "yyyy mm dd", {0, 4, 6}, {4, 2, 2}, "%hu%hu%hu",
                         &t->wYear, &t->wMonth, &t->wDay) == 3
              : scanMask(text, "hh mm ss", {0, 3, 6}, {2, 2, 2}, "%hu%hu%hu",
                         &t->wHour, &t->wMinute, &t->wSecond) == 3;
}

/// Texts near a well-formed one: characters replaced, now and then, by
/// digits or by characters that sscanf treats specially, and cut short.
inline std::string mutate(std::mt19937& random, std::string text) {
  static const char kPicks[] = "0123456789 \t+-.:xT\xff";
  for (char& c : text) {
    if (random() % 4 == 0) c = kPicks[random() % (sizeof kPicks - 1)];
  }
  if (random() % 4 == 0) text.resize(random() % (text.size() + 1));
  return text;
}

/// Up to maxLength bytes of any value but NUL.
inline std::string randomBytes(std::mt19937& random, std::size_t maxLength) {
  std::string text(random() % (maxLength + 1), '\0');
  for (char& c : text) c = static_cast<char>(1 + random() % 255);
  return text;
}

}  // namespace utc_test
