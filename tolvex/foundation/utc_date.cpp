#include "tolvex/foundation/utc_date.h"

#include "tolvex/foundation/utc_text_internal.h"

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
  return utc_text::parse(text, utc_text::Form::kDate, _SYSTEMTIME{});
}
