#include "tolvex/foundation/utc_timestamp.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

namespace {

// YYYYMMDD-HH:MM:SS without the milliseconds.
constexpr int kTimestampLength = 17;
// Where the milliseconds digits begin, after the separator at 17.
constexpr int kMillisecondsAt = 18;

double toOle(const _SYSTEMTIME& time) {
  double value = 0.0;
  return base_library::WindowsTimeToOleTime(&time, &value) != 0 ? value : 0.0;
}

// Reads a text with plain digits in every field, as sscanf would read it;
// false for any other text. Characters are read in order, each only after
// the ones before it proved not to be the NUL.
bool readWellFormed(const char* text, _SYSTEMTIME* time) {
  using utc_text::digit;
  unsigned century, year, month, day, hour, minute, second;
  if (!utc_text::readTwoDigits(text, &century) ||
      !utc_text::readTwoDigits(text + 2, &year) ||
      !utc_text::readTwoDigits(text + 4, &month) ||
      !utc_text::readTwoDigits(text + 6, &day) || text[8] == '\0' ||
      !utc_text::readTwoDigits(text + 9, &hour) || text[11] == '\0' ||
      !utc_text::readTwoDigits(text + 12, &minute) || text[14] == '\0' ||
      !utc_text::readTwoDigits(text + 15, &second)) {
    return false;
  }
  // An absent or empty milliseconds field reads as 0, as it does for sscanf;
  // otherwise up to three digits count, and only a leading digit qualifies.
  unsigned milliseconds = 0;
  if (text[kTimestampLength] != '\0' && text[kMillisecondsAt] != '\0') {
    const char* ms = text + kMillisecondsAt;
    if (digit(ms[0]) > 9) return false;
    for (int i = 0; i < 3 && digit(ms[i]) <= 9; ++i) {
      milliseconds = milliseconds * 10 + digit(ms[i]);
    }
  }
  time->wYear = static_cast<unsigned short>(century * 100 + year);
  time->wMonth = static_cast<unsigned short>(month);
  time->wDay = static_cast<unsigned short>(day);
  time->wHour = static_cast<unsigned short>(hour);
  time->wMinute = static_cast<unsigned short>(minute);
  time->wSecond = static_cast<unsigned short>(second);
  time->wMilliseconds = static_cast<unsigned short>(milliseconds);
  return true;
}

// The general route: the fields are placed by position over a mask whose
// blanks keep them apart, and sscanf reads them as integers.
double parseByScan(const char* text) {
  if (!utc_text::hasLength(text, kTimestampLength)) return 0.0;
  char mask[32] = "yyyy mm dd hh mm cc mmm";
  std::memcpy(mask + 0, text + 0, 4);
  std::memcpy(mask + 5, text + 4, 2);
  std::memcpy(mask + 8, text + 6, 2);
  std::memcpy(mask + 11, text + 9, 2);
  std::memcpy(mask + 14, text + 12, 2);
  std::memcpy(mask + 17, text + 15, 2);
  if (text[kTimestampLength] != '\0') {
    std::strncpy(mask + 20, text + kMillisecondsAt, 3);
  }
  int fields[7] = {};
  const int count =
      std::sscanf(mask, "%d%d%d%d%d%d%d", &fields[0], &fields[1], &fields[2],
                  &fields[3], &fields[4], &fields[5], &fields[6]);
  if (count < 6) return 0.0;
  _SYSTEMTIME time{};
  time.wYear = static_cast<unsigned short>(fields[0]);
  time.wMonth = static_cast<unsigned short>(fields[1]);
  time.wDay = static_cast<unsigned short>(fields[2]);
  time.wHour = static_cast<unsigned short>(fields[3]);
  time.wMinute = static_cast<unsigned short>(fields[4]);
  time.wSecond = static_cast<unsigned short>(fields[5]);
  time.wMilliseconds = static_cast<unsigned short>(fields[6]);
  return toOle(time);
}

}  // namespace

CUTCTimestamp::CUTCTimestamp() : value_(0.0) {
  setDate(nullptr);
}

CUTCTimestamp::CUTCTimestamp(const _SYSTEMTIME* time) : value_(0.0) {
  setDate(time);
}

CUTCTimestamp::CUTCTimestamp(double value) : value_(value) {}

CUTCTimestamp::CUTCTimestamp(CUTCTimestamp& other) : value_(other.value_) {}

CUTCTimestamp::CUTCTimestamp(const CUTCTimestamp& other)
    : value_(other.value_) {}

CUTCTimestamp::CUTCTimestamp(const char* text) : value_(parse(text)) {
  if (value_ == 0.0) setDate(nullptr);
}

CUTCTimestamp::~CUTCTimestamp() {}

int CUTCTimestamp::compareTo(CUTCTimestamp& other) {
  return static_cast<const CUTCTimestamp&>(*this).compareTo(
      static_cast<const CUTCTimestamp&>(other));
}

int CUTCTimestamp::compareTo(const CUTCTimestamp& other) const {
  if (value_ < other.value_) return -1;
  if (value_ > other.value_) return 1;
  return 0;
}

char* CUTCTimestamp::format(double value) {
  return utc_text::format(value, utc_text::Form::kTimestamp);
}

double CUTCTimestamp::parse(const char* text) {
  if (text == nullptr) return 0.0;
  _SYSTEMTIME time{};
  return readWellFormed(text, &time) ? toOle(time) : parseByScan(text);
}

void CUTCTimestamp::toString(char* buffer, int size) {
  if (buffer == nullptr || size < 1) return;
  const std::size_t room = static_cast<std::size_t>(size);
  char* text = format(value_);
  base_library::strncpy_s(buffer, room, text != nullptr ? text : "", room);
  std::free(text);
}

int CUTCTimestamp::toSystemTime(_SYSTEMTIME* time) {
  return static_cast<const CUTCTimestamp&>(*this).toSystemTime(time);
}

int CUTCTimestamp::toSystemTime(_SYSTEMTIME* time) const {
  if (time == nullptr) return 0;
  return base_library::OleTimeToWindowsTime(value_, time);
}

double CUTCTimestamp::toVariantTime() {
  return value_;
}

double CUTCTimestamp::toVariantTime() const {
  return value_;
}

// The whole days count from 1899-12-30 and the fraction's magnitude is the
// time of day, on both sides of that day, so a negative value is not a
// linear count of time: the sum is taken on the linear count and written
// back in the same form.
void CUTCTimestamp::addSeconds(double seconds) {
  const double day = std::trunc(value_);
  const double linear = day + std::fabs(value_ - day);
  const double sum = linear + seconds / 86400.0;
  const double sumDay = std::floor(sum);
  const double timeOfDay = sum - sumDay;
  value_ = sumDay < 0 ? sumDay - timeOfDay : sumDay + timeOfDay;
}

int CUTCTimestamp::setDate(const _SYSTEMTIME* time) {
  if (time != nullptr) return base_library::WindowsTimeToOleTime(time, &value_);
  _SYSTEMTIME now{};
  base_library::GetSystemWindowsTime(&now);
  return base_library::WindowsTimeToOleTime(&now, &value_);
}

CUTCTimestamp* CUTCTimestamp::create(const _SYSTEMTIME* time) {
  return new CUTCTimestamp(time);
}

void CUTCTimestamp::release(CUTCTimestamp* timestamp) {
  delete timestamp;
}
