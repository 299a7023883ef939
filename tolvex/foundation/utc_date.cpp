#include "tolvex/foundation/utc_date.h"

#include <cstdio>
#include <cstring>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace {

constexpr int kDateLength = 8;

// Reads the fields of a date text into time; false when they do not read
// as three numbers. Plain digits are read directly; anything else goes
// through a mask whose blanks keep the fields apart, and sscanf.
bool readDate(const char* text, _SYSTEMTIME* time) {
  unsigned century, year, month, day;
  if (utc_text::readTwoDigits(text, &century) &&
      utc_text::readTwoDigits(text + 2, &year) &&
      utc_text::readTwoDigits(text + 4, &month) &&
      utc_text::readTwoDigits(text + 6, &day)) {
    time->wYear = static_cast<unsigned short>(century * 100 + year);
    time->wMonth = static_cast<unsigned short>(month);
    time->wDay = static_cast<unsigned short>(day);
    return true;
  }
  char mask[] = "yyyy mm dd";
  std::memcpy(mask + 0, text + 0, 4);
  std::memcpy(mask + 5, text + 4, 2);
  std::memcpy(mask + 8, text + 6, 2);
  return std::sscanf(mask, "%hu%hu%hu", &time->wYear, &time->wMonth,
                     &time->wDay) == 3;
}

}  // namespace

CUTCDate::CUTCDate() {}

CUTCDate::CUTCDate(CUTCDate& other) : CUTCTimestamp(other) {}

CUTCDate::CUTCDate(const CUTCDate& other) : CUTCTimestamp(other) {}

CUTCDate::CUTCDate(const _SYSTEMTIME* time) : CUTCTimestamp(time) {}

CUTCDate::CUTCDate(double value) : CUTCTimestamp(value) {}

// The value is the parse result even when that is the failure value 0.0.
CUTCDate::CUTCDate(const char* text) : CUTCTimestamp(parse(text)) {}

CUTCDate::~CUTCDate() {}

char* CUTCDate::format(double value) {
  return utc_text::format(value, utc_text::Form::kDate);
}

double CUTCDate::parse(const char* text) {
  if (text == nullptr || !utc_text::hasLength(text, kDateLength)) return 0.0;
  _SYSTEMTIME time{};
  if (!readDate(text, &time)) return 0.0;
  double value = 0.0;
  return base_library::WindowsTimeToOleTime(&time, &value) != 0 ? value : 0.0;
}
