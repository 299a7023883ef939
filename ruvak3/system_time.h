#pragma once

// The broken-down time record of the Windows API, as the base library's date
// services read and write it.

/// Year, month (1-12), day of week (0 = Sunday), day of month (1-31), hour,
/// minute, second and milliseconds, each an unsigned 16-bit number.
/// Thread-safety: a plain value; a record shared between threads needs the
/// caller's own guard.
struct _SYSTEMTIME {
  unsigned short wYear;          ///< Year, such as 2024.
  unsigned short wMonth;         ///< 1 (January) to 12.
  unsigned short wDayOfWeek;     ///< 0 (Sunday) to 6.
  unsigned short wDay;           ///< Day of the month, 1 to 31.
  unsigned short wHour;          ///< 0 to 23.
  unsigned short wMinute;        ///< 0 to 59.
  unsigned short wSecond;        ///< 0 to 59.
  unsigned short wMilliseconds;  ///< 0 to 999.
};
