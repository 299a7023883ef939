#include "ruvak3/date.h"

#include <cstdint>
#include <ctime>

namespace ruvak3 {
namespace date {

namespace {

constexpr std::uint32_t kMsPerDay = 86400000;
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
// 0000-03-01 so that the leap day ends each era's year. Valid for years >= 1,
// for which every quantity is positive and the divisions can be unsigned.
int daysFromCivil(unsigned year, unsigned month, unsigned day) {
  const unsigned y = year - (month <= 2 ? 1 : 0);
  const unsigned era = y / 400;
  const unsigned yearOfEra = y % 400;
  const unsigned dayOfYear =
      (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra =
      yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return static_cast<int>(era * 146097 + dayOfEra) - 719468;
}

// The inverse of daysFromCivil for day numbers of years >= 1; also sets the
// day of week (1970-01-01 was a Thursday). Neri and Schneider's Euclidean
// affine form: the day is moved into an unsigned range and split with
// multiplications instead of signed divisions.
void civilFromDays(int days, _SYSTEMTIME* out) {
  // Day 0 of the shifted count is 0000-03-01, so that a leap day ends every
  // counted year.
  const std::uint32_t shifted = static_cast<std::uint32_t>(days + 719468);
  const std::uint32_t n1 = 4 * shifted + 3;
  const std::uint32_t century = n1 / 146097;
  const std::uint32_t n2 = n1 % 146097 | 3;
  const std::uint64_t p2 = std::uint64_t{2939745} * n2;
  const std::uint32_t yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
  const std::uint32_t dayOfYear = static_cast<std::uint32_t>(p2) / 2939745 / 4;
  const std::uint32_t n3 = 2141 * dayOfYear + 197913;
  const std::uint32_t monthFromMarch = n3 >> 16;
  const std::uint32_t inNextYear = dayOfYear >= 306 ? 1 : 0;
  out->wYear =
      static_cast<unsigned short>(100 * century + yearOfCentury + inNextYear);
  out->wMonth = static_cast<unsigned short>(
      inNextYear != 0 ? monthFromMarch - 12 : monthFromMarch);
  out->wDayOfWeek = static_cast<unsigned short>((shifted + 3) % 7);
  out->wDay = static_cast<unsigned short>((n3 & 0xffff) / 2141 + 1);
}

void setTimeOfDay(std::uint32_t msOfDay, _SYSTEMTIME* out) {
  const std::uint32_t seconds = msOfDay / 1000;
  const std::uint32_t minutes = seconds / 60;
  out->wHour = static_cast<unsigned short>(minutes / 60);
  out->wMinute = static_cast<unsigned short>(minutes % 60);
  out->wSecond = static_cast<unsigned short>(seconds % 60);
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
  setTimeOfDay(
      static_cast<std::uint32_t>(secondOfDay * 1000 + now.tv_nsec / 1000000),
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
  std::uint32_t msOfDay = static_cast<std::uint32_t>(msExact);
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
