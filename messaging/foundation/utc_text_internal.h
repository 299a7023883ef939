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

inline bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

/// The value of the count decimal digits at text; they must be digits.
inline int digitsValue(const char* text, int count) {
  int value = 0;
  for (int i = 0; i < count; ++i) value = value * 10 + (text[i] - '0');
  return value;
}

/// The text form of value in a new zero-filled 64-byte block that the caller
/// frees with free(); null when value does not convert or memory runs out.
char* format(double value, Form form);

}  // namespace utc_text
