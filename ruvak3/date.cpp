#include "ruvak3/date.h"

#include <ctime>

namespace ruvak3 {
namespace date {

namespace {

constexpr long kMsPerDay = 86400000L;
// Day numbers count from 1970-01-01; OLE dates count from 1899-12-30.
constexpr int kOleEpochDay = -25569;
constexpr int kFirstYear = 100;
constexpr int kLastYear = 9999;
// OLE day numbers of 0100-01-01 and 9999-12-31.
constexpr int kFirstOleDay = -657434;
constexpr int kLastOleDay = 2958465;

static_assert(sizeof(std::time_t) == 8, "the clock must read past 2038");

bool isLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int daysInMonth(int year, int month) {
  static const unsigned char kDays[12] = {31, 28, 31, 30, 31, 30,
                                          31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Day number of a Gregorian date, counted in whole 400-year eras from
// 0000-03-01 so that the leap day ends each era's year. Valid for years >= 1.
int daysFromCivil(int year, int month, int day) {
  const int y = year - (month <= 2 ? 1 : 0);
  const int era = y / 400;
  const int yearOfEra = y - era * 400;
  const int dayOfYear =
      (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const int dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

// The inverse of daysFromCivil for day numbers of years >= 1; also sets the
// day of week (1970-01-01 was a Thursday).
void civilFromDays(int days, _SYSTEMTIME* out) {
  const int shifted = days + 719468;
  const int era = shifted / 146097;
  const int dayOfEra = shifted - era * 146097;
  const int yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int dayOfYear =
      dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int monthFromMarch = (5 * dayOfYear + 2) / 153;
  const int month =
      monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
  const int year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
  int weekday = (days + 4) % 7;
  if (weekday < 0) weekday += 7;
  out->wYear = static_cast<unsigned short>(year);
  out->wMonth = static_cast<unsigned short>(month);
  out->wDayOfWeek = static_cast<unsigned short>(weekday);
  out->wDay = static_cast<unsigned short>(dayOfYear -
                                          (153 * monthFromMarch + 2) / 5 + 1);
}

void setTimeOfDay(long msOfDay, _SYSTEMTIME* out) {
  out->wHour = static_cast<unsigned short>(msOfDay / 3600000);
  out->wMinute = static_cast<unsigned short>(msOfDay / 60000 % 60);
  out->wSecond = static_cast<unsigned short>(msOfDay / 1000 % 60);
  out->wMilliseconds = static_cast<unsigned short>(msOfDay % 1000);
}

bool isValid(const _SYSTEMTIME& t) {
  return t.wYear >= kFirstYear && t.wYear <= kLastYear && t.wMonth >= 1 &&
         t.wMonth <= 12 && t.wDay >= 1 &&
         t.wDay <= daysInMonth(t.wYear, t.wMonth) && t.wHour <= 23 &&
         t.wMinute <= 59 && t.wSecond <= 59 && t.wMilliseconds <= 999;
}

}  // namespace

void GetSystemWindowsTime(_SYSTEMTIME* out) {
  if (out == nullptr) return;
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  const long long seconds = now.tv_sec;
  long long days = seconds / 86400;
  long long secondOfDay = seconds % 86400;
  if (secondOfDay < 0) {
    secondOfDay += 86400;
    --days;
  }
  civilFromDays(static_cast<int>(days), out);
  setTimeOfDay(static_cast<long>(secondOfDay * 1000 + now.tv_nsec / 1000000),
               out);
}

int OleTimeToWindowsTime(double oleDate, _SYSTEMTIME* out) {
  // The comparisons are false for NaN as well.
  if (out == nullptr ||
      !(oleDate > kFirstOleDay - 1.0 && oleDate < kLastOleDay + 1.0)) {
    return 0;
  }
  // In range, the conversion truncates toward zero and the subtraction is
  // exact; halves round up, as std::lround rounds them, without its cost.
  int day = static_cast<int>(oleDate);
  const double fraction = oleDate - day;
  const double msExact = (fraction < 0 ? -fraction : fraction) * kMsPerDay;
  long msOfDay = static_cast<long>(msExact);
  if (msExact - msOfDay >= 0.5) ++msOfDay;
  if (msOfDay == kMsPerDay) {
    // Rounded up to the next midnight.
    if (day == kLastOleDay) return 0;
    msOfDay = 0;
    ++day;
  }
  civilFromDays(day + kOleEpochDay, out);
  setTimeOfDay(msOfDay, out);
  return 1;
}

int WindowsTimeToOleTime(const _SYSTEMTIME* in, double* out) {
  if (in == nullptr || out == nullptr || !isValid(*in)) return 0;
  const int day = daysFromCivil(in->wYear, in->wMonth, in->wDay) - kOleEpochDay;
  const long msOfDay = in->wHour * 3600000L + in->wMinute * 60000L +
                       in->wSecond * 1000L + in->wMilliseconds;
  const double timeOfDay = static_cast<double>(msOfDay) / kMsPerDay;
  *out = day >= 0 ? day + timeOfDay : day - timeOfDay;
  return 1;
}

}  // namespace date
}  // namespace ruvak3
