// Private header of the text floor: not installed.
//
// How values become text in the readable forms and in JSON: doubles in their
// shortest exact form, texts quoted and escaped.
#pragma once

#include <string>
#include <string_view>

class IField;

namespace text_forms {

/// Appends the shortest decimal form that reads back to the same double
/// ("1.0825", "1e+300", "2.0", "-0.0"), or NaN, Infinity or -Infinity.
void appendShortestDouble(std::string& out, double value);

/// Appends `bytes` as a JSON string, quotes included. Valid UTF-8 passes as
/// it is; a byte that is not part of a valid UTF-8 sequence is written as the
/// lone surrogate escape \udcXX (XX the byte), which the reader turns back
/// into the byte, so that any text survives the round trip.
void appendJsonString(std::string& out, std::string_view bytes);

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
