#pragma once

// Messages and field groups as JSON, both ways, with nothing lost.
//
//   {"268": {"list": [{"269": {"text": "0"}, "270": {"double": 1.0825}}]},
//    "271": {"int": 100}, "35": {"text": "W"}, "7": {"none": null},
//    "9000": {"long": 12345678901}, "95": {"binary": "AAEC"},
//    "SID": {"text": "alice-1"}}
//
// A group is an object whose keys are its field names, in its name order;
// each value is an object with exactly one member naming the kind: "int",
// "long", "double", "text", "binary" (standard base64), "list" (an array of
// group objects) or "none" (null). A message is its group: the session id
// and the message type are its fields "SID" and "35". Doubles are written in
// the shortest form that reads back to the same bits; NaN and the infinities
// as the strings "NaN", "Infinity" and "-Infinity" (a NaN reads back as the
// quiet NaN, its payload is not kept). Texts are UTF-8 where they are valid
// UTF-8; any other byte is written as the escape \udcXX (XX the byte), which
// reads back as that byte.
//
//   std::string json = toJson(message);
//   JsonError error;
//   std::unique_ptr<UniversalMessage> copy = messageFromJson(json, &error);
//   if (!copy) std::cerr << error.line << ':' << error.column << ": "
//                        << error.what << '\n';

#include <memory>
#include <string>
#include <string_view>

#include "tolvex/export.h"
#include "tolvex/text/redaction.h"

class IFieldGroup;
class UniversalFieldGroup;
class UniversalMessage;

/// The group (or message) as one line of JSON in the shape above, with ", "
/// and ": " between members. The fields that `redaction` names are written
/// as {"text": "***"}, so the default keeps passwords out; pass
/// Redaction::revealAll() for an exact copy. Walks the group with its
/// built-in cursors, so it is not safe alongside any other use of the group.
TOLVEX_API std::string toJson(const IFieldGroup& group,
                              const Redaction& redaction = Redaction());

/// Why a JSON text was refused: its 1-based line and column (counted in
/// bytes) and what was expected there.
/// Thread-safety: a plain value.
struct TOLVEX_API JsonError {
  int line = 0;      ///< 1-based line of the error
  int column = 0;    ///< 1-based byte column of the error
  std::string what;  ///< what was wrong or expected
};

/// Lists nest at most this deep; a deeper text is refused.
constexpr int kJsonMaxListDepth = 64;

/// Reads a message from JSON in the shape above. Returns a new message that
/// the caller owns, or null when the text is not a message of that shape:
/// not JSON, a kind other than those named, a value of the wrong JSON type
/// for its kind, an int or long out of range, a text holding a NUL, invalid
/// base64, a duplicate key, an object with no kind or two, lists deeper than
/// kJsonMaxListDepth, or anything after the top object. Then `error` (when
/// not null) says where and why, and nothing is kept. Throws only
/// std::bad_alloc. Thread-safety: safe to call from any thread.
TOLVEX_API std::unique_ptr<UniversalMessage> messageFromJson(
    std::string_view json, JsonError* error = nullptr);

/// As messageFromJson, for a field group.
TOLVEX_API std::unique_ptr<UniversalFieldGroup> groupFromJson(
    std::string_view json, JsonError* error = nullptr);
