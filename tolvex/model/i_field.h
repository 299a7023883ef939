#pragma once

// IField: the interface of one named value of the message model.
//
// The kind of value a field holds is one of the type codes IField::DT_*.

#include "tolvex/export.h"

class IFieldGroupList;

/// One named, typed value. Implementations convert between the scalar kinds
/// on request and own copies of everything they hold.
/// Not safe for concurrent use, not even const calls: getters rewrite
/// scratch text.
class TOLVEX_API IField {
 public:
  /// Type codes returned by getDataType().
  static const int DT_NULL = 0;    ///< no value
  static const int DT_INT = 1;     ///< 32-bit signed integer
  static const int DT_STRING = 2;  ///< NUL-terminated text
  static const int DT_LIST = 3;    ///< list of field groups
  static const int DT_DOUBLE = 4;  ///< double
  static const int DT_LONG = 5;    ///< 64-bit signed integer
  static const int DT_BINARY = 6;  ///< block of bytes with a length

  virtual ~IField() = default;

  /// The type code, one of DT_*.
  virtual int getDataType() const = 0;
  /// Replaces the name with a copy of `name`.
  virtual void setName(const char* name) = 0;
  /// The name; points into the field, valid until the name changes.
  virtual const char* getName() const = 0;
  /// True exactly when the field holds no value.
  virtual bool isNullValue() const = 0;

  /// Stores a copy of `text`; a null text leaves the field unchanged.
  virtual void setValue(const char* text) = 0;
  /// The value as text, or null for no value and binary values: a number in
  /// decimal (a double with 60 decimals), a list as the text "list". Points
  /// into the field; valid until the value is replaced or the next call that
  /// renders the value as text.
  virtual const char* getValueString() const = 0;
  /// Replaces the value, whatever its kind, with the number.
  virtual void setValueLong(long long value) = 0;
  /// The value as a 64-bit integer: a text as strtoll reads it in base 10,
  /// saturating at the limits, a double truncated toward zero; 0 when it has
  /// no numeric form.
  virtual long long getValueLong() const = 0;
  /// Replaces the value, whatever its kind, with the number.
  virtual void setValueInt(int value) = 0;
  /// The value as a 32-bit integer: a text as strtol reads it in base 10
  /// ("12abc" gives 12), saturating at the limits ("5000000000" gives
  /// INT_MAX), a 64-bit integer cut to its low 32 bits (0x100000005 gives 5),
  /// a double truncated toward zero; 0 when it has no numeric form.
  virtual int getValueInt() const = 0;
  /// Replaces the value, whatever its kind, with the number.
  virtual void setValueDouble(double value) = 0;
  /// The value as a double; 0.0 when it has no numeric form.
  virtual double getValueDouble() const = 0;
  /// Stores a deep copy of `list`; a null list leaves the field unchanged.
  virtual void setValue(const IFieldGroupList* list) = 0;
  /// The field's own list, or null when it holds none. Owned by the field;
  /// valid until the value is replaced.
  virtual IFieldGroupList* getValueList() const = 0;
  /// Stores a copy of `length` bytes from `data`.
  virtual void setValueBinary(const void* data, int length) = 0;
  /// The field's own bytes with their count in `length`, or null (and
  /// `length` untouched) when it holds no binary value. Valid until the value
  /// is replaced.
  virtual const void* getValueBinary(int& length) const = 0;
};
