// Private header: not installed.
#pragma once

// Helpers shared by the three UTC text forms. The parse and format fast
// paths take only well-formed texts and values, for which they give exactly
// what the sscanf and sprintf routes give; everything else takes those
// routes.

namespace utc_text {

enum class Form { kTimestamp, kDate, kTime };

/// True when text holds at least length characters before its NUL; reads no
/// further than the first NUL or length characters.
inline bool hasLength(const char* text, int length) {
  for (int i = 0; i < length; ++i) {
    if (text[i] == '\0') return false;
  }
  return true;
}

/// The value of a decimal digit, or a number above 9 for any other char.
inline unsigned digit(char c) {
  return static_cast<unsigned>(static_cast<unsigned char>(c)) - '0';
}

/// Reads two decimal digits at text into value; false when either is not a
/// digit. The second is read only when the first is a digit, so a read
/// never passes a NUL.
inline bool readTwoDigits(const char* text, unsigned* value) {
  const unsigned high = digit(text[0]);
  if (high > 9) return false;
  const unsigned low = digit(text[1]);
  if (low > 9) return false;
  *value = high * 10 + low;
  return true;
}

/// The text form of value in a new zero-filled 64-byte block that the caller
/// frees with free(); null when value does not convert or memory runs out.
char* format(double value, Form form);

}  // namespace utc_text
