#pragma once

// CUTCDate: a CUTCTimestamp whose text form is the date YYYYMMDD. The value
// keeps its time of day; only the text omits it.

#include "ruvak3/system_time.h"
#include "tolvex/export.h"
#include "tolvex/foundation/utc_timestamp.h"

/// Distinct objects may be used from different threads at once; one object
/// is not guarded against concurrent change.
class TOLVEX_API CUTCDate : public CUTCTimestamp {
 public:
  /// The current UTC date and time.
  CUTCDate();
  /// Copies the value.
  CUTCDate(CUTCDate& other);
  /// The same for a const source.
  CUTCDate(const CUTCDate& other);
  /// As CUTCTimestamp(const _SYSTEMTIME*).
  explicit CUTCDate(const _SYSTEMTIME* time);
  /// The value as given, unchecked.
  explicit CUTCDate(double value);
  /// Midnight UTC of a date text (see parse); 0.0 when the text does not
  /// parse, unlike the timestamp, which then takes the current time.
  explicit CUTCDate(const char* text);
  /// Copies the value.
  CUTCDate& operator=(const CUTCDate& other) = default;

  ~CUTCDate() override;

  /// YYYYMMDD of value in a new 64-byte block that the caller frees with
  /// free(); null when value is out of range.
  char* format(double value) override;

  /// Parses YYYYMMDD to midnight UTC of that day; characters after the
  /// eighth are ignored, so a timestamp text parses as its date. Returns 0.0
  /// for a null text, one shorter than 8 characters, or an invalid date.
  static double parse(const char* text);
};
