#pragma once

// The broken-down time record of the Windows API, as the base library's date
// services read and write it.

/// Year, month (1-12), day of week (0 = Sunday), day of month (1-31), hour,
/// minute, second and milliseconds, each an unsigned 16-bit number.
struct _SYSTEMTIME {
  unsigned short wYear;
  unsigned short wMonth;
  unsigned short wDayOfWeek;
  unsigned short wDay;
  unsigned short wHour;
  unsigned short wMinute;
  unsigned short wSecond;
  unsigned short wMilliseconds;
};
