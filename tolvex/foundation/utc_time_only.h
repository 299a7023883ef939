#pragma once

// CUTCTimeOnly: a CUTCTimestamp whose text form is the time of day HH:MM:SS.
// The value keeps its date; only the text omits it.

#include "ruvak3/system_time.h"
#include "tolvex/export.h"
#include "tolvex/foundation/utc_timestamp.h"

/// Distinct objects may be used from different threads at once; one object
/// is not guarded against concurrent change.
class TOLVEX_API CUTCTimeOnly : public CUTCTimestamp {
 public:
  /// The current UTC date and time.
  CUTCTimeOnly();
  /// Copies the value.
  CUTCTimeOnly(CUTCTimeOnly& other);
  /// The same for a const source.
  CUTCTimeOnly(const CUTCTimeOnly& other);
  /// As CUTCTimestamp(const _SYSTEMTIME*).
  explicit CUTCTimeOnly(const _SYSTEMTIME* time);
  /// The value as given, unchecked.
  explicit CUTCTimeOnly(double value);
  /// Today at the time of a time text (see parse); 0.0 when the text does
  /// not parse.
  explicit CUTCTimeOnly(const char* text);
  /// Copies the value.
  CUTCTimeOnly& operator=(const CUTCTimeOnly& other) = default;

  ~CUTCTimeOnly() override;

  /// HH:MM:SS of value in a new 64-byte block that the caller frees with
  /// free(); null when value is out of range.
  char* format(double value) override;

  /// Parses HH:MM:SS, any separators accepted, to today's UTC date at that
  /// time with the current clock's milliseconds; characters after the
  /// eighth are ignored. Returns 0.0 for a null text, one shorter than 8
  /// characters, or an invalid time.
  static double parse(const char* text);
};
