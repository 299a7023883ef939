// Private header of the text floor: not installed.
//
// How values become text in the readable forms: doubles in their shortest
// exact form (JSON's too), texts quoted and escaped for a log line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class IField;

namespace text_forms {

/// Room writeShortestDouble needs.
constexpr std::size_t kShortestDoubleRoom = 32;

/// Writes the shortest decimal form that reads back to the same double, with
/// a point when it is integral ("1.0825", "1e+300", "2.0", "-0.0"), or NaN,
/// Infinity or -Infinity, at `out`, which has kShortestDoubleRoom characters;
/// returns the end.
char* writeShortestDouble(char* out, double value);

/// Appends what writeShortestDouble writes.
void appendShortestDouble(std::string& out, double value);

/// Appends `bytes` in double quotes for a log line: quote, backslash and
/// control characters escaped (\", \\, \n, \r, \t, \xNN), other bytes as
/// they are.
void appendQuoted(std::string& out, std::string_view bytes);

/// Appends a field name as it is when it is printable ASCII without blanks,
/// quotes, backslashes or colons and not empty; otherwise as appendQuoted.
void appendQuotedIfNeeded(std::string& out, std::string_view name);

/// Appends a field's value for a reader: a text in quotes, otherwise its
/// kind and value ("int 100", "double 1.0825", "long 5", "binary 3 bytes
/// AAEC", "list of 2", "none").
void appendReadableValue(std::string& out, const IField& field);

}  // namespace text_forms
