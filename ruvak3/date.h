#pragma once

/// \file
/// Conversions between broken-down UTC time (_SYSTEMTIME) and OLE automation
/// dates, and the current UTC time.
///
/// An OLE automation date counts days since 1899-12-30 00:00:00; its fraction
/// is the time of day (0.5 is noon). Below zero the integer part still counts
/// days and the fraction's absolute value is the time of day, so -1.25 is
/// 1899-12-29 06:00:00 and -0.5 equals 0.5.
///
/// The convertible range is 0100-01-01 00:00:00.000 to 9999-12-31
/// 23:59:59.999 in the proleptic Gregorian calendar. Times of day convert to
/// the nearest millisecond, so that every record converts to a date and back
/// unchanged. Calendar arithmetic is exact and independent of the time zone.
///
/// Thread-safety: every function is safe to call from any thread.

#include "ruvak3/export.h"
#include "ruvak3/system_time.h"

namespace ruvak3 {
/// Conversions between broken-down UTC time and OLE automation dates.
namespace date {

/// Fills out with the current UTC time, milliseconds and day of week
/// included. A null out is ignored.
RUVAK3_API void GetSystemWindowsTime(_SYSTEMTIME* out);

/// Converts an OLE automation date to a broken-down time with its day of
/// week. Returns 1 on success; returns 0 and leaves out unchanged for a null
/// out, NaN, an infinity or a value outside the range (also when the rounding
/// to the millisecond carries past 9999-12-31).
RUVAK3_API int OleTimeToWindowsTime(double oleDate, _SYSTEMTIME* out);

/// Converts a broken-down time to an OLE automation date; the day of week is
/// not read. Returns 1 on success; returns 0 and leaves out unchanged for a
/// null argument or a record with a field out of range: year 100-9999, month
/// 1-12, day within its month (Gregorian leap years), hour 0-23, minute and
/// second 0-59, milliseconds 0-999.
RUVAK3_API int WindowsTimeToOleTime(const _SYSTEMTIME* in, double* out);

}  // namespace date
}  // namespace ruvak3
