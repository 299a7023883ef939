// Private header: not installed.
#pragma once

#include "ruvak3/system_time.h"

// Helpers shared by the three UTC text forms. The parse and format fast
// paths take only well-formed texts and values, for which they give exactly
// what the sscanf and sprintf routes give; everything else takes those
// routes.

namespace utc_text {

enum class Form { kTimestamp, kDate, kTime };

/// The OLE date of a text of `form`: its numbers are read from their fixed
/// places over `start`, whose other members stand (a timestamp sets every
/// member but the day of the week, a date the date, a time the time of day).
/// 0.0 for a null text, one shorter than its form, fields that do not read
/// as numbers, or a record that does not convert.
double parse(const char* text, Form form, _SYSTEMTIME start);

/// The text form of value in a new zero-filled 64-byte block that the caller
/// frees with free(); null when value does not convert or memory runs out.
char* format(double value, Form form);

}  // namespace utc_text
