#include "tolvex/model/number_text_internal.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <type_traits>

#include <langinfo.h>

#include "tolvex/foundation/digit_pairs_internal.h"

namespace number_text {

namespace {

constexpr int kDecimals = 60;
static_assert(kShortFractionBound == 1 + 20 + 1 + kDecimals, "the bound");

// The length of the text writeShortFraction makes, without a terminator.
std::size_t shortFractionLength(const ShortFraction& parts) {
  std::size_t digits = 1;
  for (std::uint64_t rest = parts.integer; rest >= 10; rest /= 10) ++digits;
  return parts.negative + digits + 1 + kDecimals;
}

}  // namespace

// Written out because the standard functions are slower.
template <typename T>
T parseDecimal(const char* text) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
  while (std::isspace(*p)) ++p;
  const bool negative = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  using Unsigned = typename std::make_unsigned<T>::type;
  const Unsigned limit =
      static_cast<Unsigned>(std::numeric_limits<T>::max()) + (negative ? 1 : 0);
  Unsigned value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    const unsigned digit = *p - '0';
    if (value > (limit - digit) / 10) {
      return negative ? std::numeric_limits<T>::min()
                      : std::numeric_limits<T>::max();
    }
    value = value * 10 + digit;
  }
  if (!negative) return static_cast<T>(value);
  if (value == limit) return std::numeric_limits<T>::min();
  return -static_cast<T>(value);
}

template int parseDecimal<int>(const char* text);
template long long parseDecimal<long long>(const char* text);

// Read without localeconv()'s copying.
char singleBytePoint() {
  const char* point = nl_langinfo(RADIXCHAR);
  return point[0] != '\0' && point[1] == '\0' ? point[0] : '\0';
}

bool splitShortFraction(double value, ShortFraction& parts) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased = static_cast<int>(bits >> 52 & 0x7ff);
  if (biased == 0x7ff) return false;  // infinity, NaN
  std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
  int exponent = -1074;  // subnormals
  if (biased != 0) {
    mantissa |= std::uint64_t{1} << 52;
    exponent = biased - 1075;
  }
  if (exponent > 11 || exponent < -kDecimals) return false;
  parts.negative = bits >> 63 != 0;
  parts.shift = exponent < 0 ? -exponent : 0;
  parts.integer = exponent < 0 ? mantissa >> parts.shift : mantissa << exponent;
  parts.fraction =
      exponent < 0 ? mantissa & ((std::uint64_t{1} << parts.shift) - 1) : 0;
  return true;
}

char* writeShortFraction(const ShortFraction& parts, char point, char* dest) {
  char* p = dest;
  if (parts.negative) *p++ = '-';
  p = std::to_chars(p, p + 20, parts.integer).ptr;
  *p++ = point;
  // The decimals leave the fraction a few at a time, the next multiple of
  // 10^k shifted out of it. A fraction of odd * 2^-n has exactly n
  // decimals, at most 60, the last one not 0: every price's run out well
  // before the 60th, and the zeros after them are written at once.
  const int shift = parts.shift;
  const std::uint64_t mask = (std::uint64_t{1} << shift) - 1;
  std::uint64_t fraction = parts.fraction;
  char* const end = p + kDecimals;
  const int decimals = fraction != 0 ? shift - __builtin_ctzll(fraction) : 0;
#ifdef __SIZEOF_INT128__
  // Four at a time, in 128-bit products.
  for (int quad = 0; quad < (decimals + 3) / 4; ++quad) {
    const unsigned __int128 scaled =
        static_cast<unsigned __int128>(fraction) * 10000;
    const auto four = static_cast<unsigned>(scaled >> shift);
    fraction = static_cast<std::uint64_t>(scaled) & mask;
    const unsigned high = four * 5243 >> 19;  // four / 100
    p = digit_pairs::put(p, high);
    p = digit_pairs::put(p, four - 100 * high);
  }
#else
  // Two at a time, or one at a time for the few fractions of more than 57
  // bits, where 100 times the fraction would pass 2^64.
  if (shift <= 57) {
    for (int pair = 0; pair < (decimals + 1) / 2; ++pair) {
      fraction *= 100;
      p = digit_pairs::put(p, static_cast<unsigned>(fraction >> shift));
      fraction &= mask;
    }
  } else {
    for (int digit = 0; digit < decimals; ++digit) {
      fraction *= 10;
      *p++ = static_cast<char>('0' + (fraction >> shift));
      fraction &= mask;
    }
  }
#endif
  std::memset(p, '0', end - p);
  return end;
}

// std::to_chars gives the same digits as printf several times faster, but
// always with a '.', so the locale's decimal point is put in its place (or
// printf does the work when that point is longer than one byte).
bool formatDouble(double value, char* dest, std::size_t size) {
  const char point = singleBytePoint();
  if (point != '\0') {
    ShortFraction parts;
    if (splitShortFraction(value, parts)) {
      if (shortFractionLength(parts) >= size) return false;
      *writeShortFraction(parts, point, dest) = '\0';
      return true;
    }
    const std::to_chars_result result = std::to_chars(
        dest, dest + size - 1, value, std::chars_format::fixed, kDecimals);
    if (result.ec != std::errc()) return false;
    *result.ptr = '\0';
    if (point != '.') {
      char* dot = static_cast<char*>(std::memchr(dest, '.', result.ptr - dest));
      if (dot != nullptr) *dot = point;
    }
    return true;
  }
  const int length = std::snprintf(dest, size, "%.*f", kDecimals, value);
  return length >= 0 && static_cast<std::size_t>(length) < size;
}

}  // namespace number_text
