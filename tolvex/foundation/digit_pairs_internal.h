// Private header: not installed.
#pragma once

#include <cstddef>
#include <cstring>

// Two decimal digits at a time, for the text forms that print numbers
// without printf.
namespace digit_pairs {

/// "00" to "99", two characters each.
inline constexpr char kTable[] =
    "00010203040506070809101112131415161718192021222324"
    "25262728293031323334353637383940414243444546474849"
    "50515253545556575859606162636465666768697071727374"
    "75767778798081828384858687888990919293949596979899";

/// Writes value, below 100, as two decimal digits at out; returns their end.
inline char* put(char* out, unsigned value) {
  std::memcpy(out, kTable + 2 * std::size_t{value}, 2);
  return out + 2;
}

}  // namespace digit_pairs
