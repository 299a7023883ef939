// Private header of the text floor: not installed.
//
// Standard base64 (the alphabet with '+' and '/', '=' padding to a multiple
// of four characters), the form of binary values in the text forms.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace text_forms {

/// The length of the base64 form of `length` bytes.
constexpr std::size_t base64Length(int length) {
  return (static_cast<std::size_t>(length) + 2) / 3 * 4;
}

/// Writes the base64 form of `length` bytes at `data` at `out`, which has
/// room for base64Length(length) characters; returns the end.
char* writeBase64(char* out, const void* data, int length);

/// Appends the base64 form of `length` bytes at `data` to `out`.
void appendBase64(std::string& out, const void* data, int length);

/// Decodes `text` into `bytes`. Returns false, leaving `bytes` in an
/// unspecified state, when `text` is not canonical padded base64: a
/// character outside the alphabet, a length not a multiple of four, padding
/// anywhere but at the end, or unused bits that are not zero.
bool decodeBase64(std::string_view text, std::string& bytes);

}  // namespace text_forms
