#include "tolvex/foundation/utc_time_only.h"

#include <cstdio>
#include <cstring>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace {

constexpr int kTimeLength = 8;

// Reads the fields of a time text into time; false when they do not read
// as three numbers. The separators at 2 and 5 are not looked at. Plain
// digits are read directly; anything else goes through a mask whose blanks
// keep the fields apart, and sscanf.
bool readTime(const char* text, _SYSTEMTIME* time) {
  unsigned hour, minute, second;
  if (utc_text::readTwoDigits(text, &hour) &&
      utc_text::readTwoDigits(text + 3, &minute) &&
      utc_text::readTwoDigits(text + 6, &second)) {
    time->wHour = static_cast<unsigned short>(hour);
    time->wMinute = static_cast<unsigned short>(minute);
    time->wSecond = static_cast<unsigned short>(second);
    return true;
  }
  char mask[] = "hh mm ss";
  std::memcpy(mask + 0, text + 0, 2);
  std::memcpy(mask + 3, text + 3, 2);
  std::memcpy(mask + 6, text + 6, 2);
  return std::sscanf(mask, "%hu%hu%hu", &time->wHour, &time->wMinute,
                     &time->wSecond) == 3;
}

}  // namespace

CUTCTimeOnly::CUTCTimeOnly() {}

CUTCTimeOnly::CUTCTimeOnly(CUTCTimeOnly& other) : CUTCTimestamp(other) {}

CUTCTimeOnly::CUTCTimeOnly(const CUTCTimeOnly& other) : CUTCTimestamp(other) {}

CUTCTimeOnly::CUTCTimeOnly(const _SYSTEMTIME* time) : CUTCTimestamp(time) {}

CUTCTimeOnly::CUTCTimeOnly(double value) : CUTCTimestamp(value) {}

// The value is the parse result even when that is the failure value 0.0.
CUTCTimeOnly::CUTCTimeOnly(const char* text) : CUTCTimestamp(parse(text)) {}

CUTCTimeOnly::~CUTCTimeOnly() {}

char* CUTCTimeOnly::format(double value) {
  return utc_text::format(value, utc_text::Form::kTime);
}

// The date and the milliseconds are those of the current UTC time.
double CUTCTimeOnly::parse(const char* text) {
  if (text == nullptr || !utc_text::hasLength(text, kTimeLength)) return 0.0;
  _SYSTEMTIME time{};
  base_library::GetSystemWindowsTime(&time);
  if (!readTime(text, &time)) return 0.0;
  time.wDayOfWeek = 0;
  double value = 0.0;
  return base_library::WindowsTimeToOleTime(&time, &value) != 0 ? value : 0.0;
}
