#pragma once

// CUTCTimestamp: a point in time in UTC, held as an OLE automation date (days
// since 1899-12-30 00:00:00, the fraction being the time of day), with the
// text form YYYYMMDD-HH:MM:SS.mmm.
//
//   CUTCTimestamp t("20240131-23:59:59.123");
//   char text[22];
//   t.toString(text, sizeof text);  // "20240131-23:59:59.123"
//
// The date range, the day of week and the rounding to the millisecond are
// those of ruvak3::date; the value 0.0 (1899-12-30 00:00:00.000) doubles as
// the failure result of parse.

#include "ruvak3/system_time.h"
#include "tolvex/export.h"

/// Distinct objects may be used from different threads at once; one object
/// is not guarded against concurrent change.
class TOLVEX_API CUTCTimestamp {
 public:
  /// The current UTC time.
  CUTCTimestamp();
  /// The time of the record; a null record gives the current UTC time. A
  /// record with a field out of range gives 0.0.
  explicit CUTCTimestamp(const _SYSTEMTIME* time);
  /// The value as given, unchecked.
  explicit CUTCTimestamp(double value);
  /// Copies the value.
  CUTCTimestamp(CUTCTimestamp& other);
  /// The same for a const source.
  CUTCTimestamp(const CUTCTimestamp& other);
  /// The time of a timestamp text (see parse); the current UTC time when the
  /// text does not parse or encodes 1899-12-30 00:00:00.000.
  explicit CUTCTimestamp(const char* text);
  /// Copies the value.
  CUTCTimestamp& operator=(const CUTCTimestamp& other) = default;

  virtual ~CUTCTimestamp();

  /// -1 if this value is less than the other's, +1 if greater, 0 otherwise
  /// (equal values, or a NaN on either side). No tolerance.
  virtual int compareTo(CUTCTimestamp& other);
  /// The same for a const object and source.
  int compareTo(const CUTCTimestamp& other) const;

  /// The text form of value (not of this object's value) in a new 64-byte
  /// block that the caller frees with free(); null when value is out of
  /// range. Derived classes print their own forms.
  virtual char* format(double value);

  /// Parses YYYYMMDD-HH:MM:SS, optionally followed by any separator and up to
  /// three digits counting milliseconds (".7" is 7 ms). The separators are
  /// not looked at, characters after the milliseconds are ignored. Returns
  /// 0.0 for a null text, one shorter than 17 characters, or one that does
  /// not encode a valid time.
  static double parse(const char* text);

  /// Copies this object's text form, as the virtual format prints it, into
  /// buffer of size bytes; the empty string when format fails. A text that
  /// does not fit leaves the empty string. A null buffer or a size below 1
  /// writes nothing.
  void toString(char* buffer, int size);

  /// Writes the broken-down time into time; returns 0 and writes nothing for
  /// a null record or a value out of range.
  int toSystemTime(_SYSTEMTIME* time);
  /// The same for a const object.
  int toSystemTime(_SYSTEMTIME* time) const;

  /// The OLE automation date. Before 1899-12-30 it is negative while its
  /// fraction still counts the time of day forward (-1.25 is 1899-12-29
  /// 06:00), so adding a fraction of a day to such a value moves the time
  /// backwards: add time with addSeconds().
  double toVariantTime();
  /// The same for a const object.
  double toVariantTime() const;

  /// Moves the value by `seconds` (negative: back) on the time line, on
  /// both sides of 1899-12-30, as a value made from broken-down time would
  /// move. A NaN value stays NaN.
  void addSeconds(double seconds);

  /// Sets the value from the record, or from the current UTC time for a null
  /// record. Returns 0 and leaves the value unchanged for a record with a
  /// field out of range.
  int setDate(const _SYSTEMTIME* time);

  /// A new object for the record (a null record gives now); hand it back
  /// with release.
  static CUTCTimestamp* create(const _SYSTEMTIME* time);
  /// Deletes an object of any of the three classes; null is ignored.
  static void release(CUTCTimestamp* timestamp);

 private:
  double value_;
};
