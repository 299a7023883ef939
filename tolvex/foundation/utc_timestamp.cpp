#include "tolvex/foundation/utc_timestamp.h"

#include <cmath>
#include <cstdlib>

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

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
  return utc_text::parse(text, utc_text::Form::kTimestamp, _SYSTEMTIME{});
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
