// Private header: not installed.
#pragma once

// The number texts of the message model: the saturating decimal parse of a
// text field's integer getters, and the "%.60f" text of a double, which the
// dump writes straight into its line. Thread-safe: the functions keep no
// state (the decimal point is the calling thread's LC_NUMERIC).

#include <cstddef>
#include <cstdint>

namespace number_text {

/// strtol/strtoll with base 10 and no end pointer: white space as the
/// current locale defines it, an optional sign, then digits; saturates at
/// the limits of T (int or long long), which strtol does only at those of
/// long.
template <typename T>
T parseDecimal(const char* text);

/// The decimal point printf uses, that of the thread's LC_NUMERIC; '\0' when
/// it is longer than one byte.
char singleBytePoint();

/// The longest "%.60f" text: a sign, the 309 integer digits of DBL_MAX, a
/// decimal point of up to a few bytes in exotic locales, 60 decimals and
/// the terminator.
constexpr std::size_t kDoubleTextCapacity = 400;

/// Writes the "%.60f" text of value and a terminator into [dest, dest +
/// size) and returns true, or returns false when it does not fit.
bool formatDouble(double value, char* dest, std::size_t size);

/// A double whose binary fraction has at most 60 bits and whose integer part
/// fits 64 bits (every price and quantity does): its "%.60f" text is exact,
/// each decimal being the next multiple of ten shifted out of the fraction,
/// with nothing to round.
struct ShortFraction {
  bool negative;
  std::uint64_t integer;
  std::uint64_t fraction;  // the bits below the binary point
  int shift;               // the number of those bits
};

/// Splits value into `parts` and returns true when it is a short fraction.
bool splitShortFraction(double value, ShortFraction& parts);

/// The most characters writeShortFraction writes: a sign, the 20 digits of
/// 2^64 - 1, the point and 60 decimals.
constexpr std::size_t kShortFractionBound = 1 + 20 + 1 + 60;

/// Writes the text of `parts` with `point` as the decimal point to dest,
/// which has room for kShortFractionBound characters, and returns its end;
/// no terminator.
char* writeShortFraction(const ShortFraction& parts, char point, char* dest);

}  // namespace number_text
