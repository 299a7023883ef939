#pragma once

// Test helpers for the UTC date and time classes: records, texts built in
// exactly sized heap blocks (so that AddressSanitizer sees any read past
// the end), and reference readers that follow the sscanf route of the text
// forms step by step, to hold the library's fast paths against.

#include <cstdio>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "ruvak3/date.h"
#include "ruvak3/system_time.h"

namespace utc_test {

inline _SYSTEMTIME record(int year, int month, int day, int hour = 0,
                          int minute = 0, int second = 0, int ms = 0) {
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

/// A copy of text in a heap block of exactly its size.
inline std::unique_ptr<char[]> exactCopy(const std::string& text) {
  std::unique_ptr<char[]> copy(new char[text.size() + 1]);
  std::memcpy(copy.get(), text.c_str(), text.size() + 1);
  return copy;
}

/// The sscanf route of the timestamp text.
inline double referenceTimestamp(const char* text) {
  if (text == nullptr || std::strlen(text) < 17) return 0.0;
  char mask[32] = "yyyy mm dd hh mm cc mmm";
  const int from[] = {0, 4, 6, 9, 12, 15};
  const int to[] = {0, 5, 8, 11, 14, 17};
  const int width[] = {4, 2, 2, 2, 2, 2};
  for (int f = 0; f < 6; ++f) {
    for (int i = 0; i < width[f]; ++i) mask[to[f] + i] = text[from[f] + i];
  }
  if (std::strlen(text) > 17) std::strncpy(mask + 20, text + 18, 3);
  int v[7] = {};
  if (std::sscanf(mask, "%d%d%d%d%d%d%d", &v[0], &v[1], &v[2], &v[3], &v[4],
                  &v[5], &v[6]) < 6) {
    return 0.0;
  }
  return ole(
      static_cast<unsigned short>(v[0]), static_cast<unsigned short>(v[1]),
      static_cast<unsigned short>(v[2]), static_cast<unsigned short>(v[3]),
      static_cast<unsigned short>(v[4]), static_cast<unsigned short>(v[5]),
      static_cast<unsigned short>(v[6]));
}

/// Reads the three two- or four-digit fields of a date or time text through
/// its mask with "%hu%hu%hu"; false unless all three convert.
inline bool referenceFields(const char* text, bool date, unsigned short* a,
                            unsigned short* b, unsigned short* c) {
  if (text == nullptr || std::strlen(text) < 8) return false;
  char mask[16];
  if (date) {
    std::strcpy(mask, "yyyy mm dd");
    std::memcpy(mask, text, 4);
    std::memcpy(mask + 5, text + 4, 2);
    std::memcpy(mask + 8, text + 6, 2);
  } else {
    std::strcpy(mask, "hh mm ss");
    std::memcpy(mask, text, 2);
    std::memcpy(mask + 3, text + 3, 2);
    std::memcpy(mask + 6, text + 6, 2);
  }
  return std::sscanf(mask, "%hu%hu%hu", a, b, c) == 3;
}

/// Texts near the well-formed ones: each position of a template replaced,
/// now and then, by a character that sscanf treats specially, and cut at a
/// random length.
class TextMutator {
 public:
  explicit TextMutator(unsigned seed) : random_(seed) {}

  std::string next(const std::string& wellFormed) {
    static const char kPicks[] = "0123456789 \t+-.:xT\xff";
    std::string text = wellFormed;
    for (char& c : text) {
      if (random_() % 8 == 0)
        c = kPicks[random_() % (sizeof kPicks - 1)];
      else if (random_() % 3 == 0)
        c = static_cast<char>('0' + random_() % 10);
    }
    if (random_() % 4 == 0) text.resize(random_() % (text.size() + 1));
    return text;
  }

  std::mt19937& random() { return random_; }

 private:
  std::mt19937 random_;
};

}  // namespace utc_test
