#include "tolvex/foundation/utc_time_only.h"

#include "tolvex/foundation/base_library_internal.h"
#include "tolvex/foundation/utc_text_internal.h"

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
  _SYSTEMTIME now{};
  base_library::GetSystemWindowsTime(&now);
  now.wDayOfWeek = 0;
  return utc_text::parse(text, utc_text::Form::kTime, now);
}
