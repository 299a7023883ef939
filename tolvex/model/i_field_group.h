#pragma once

// IFieldGroup: the interface of a set of uniquely named fields kept in name
// order, with typed access by name and a built-in cursor.
//
//   for (IField* f = group.getFirst(); f != nullptr; f = group.getNext()) {
//     ...
//   }

#include "tolvex/export.h"

class IField;
class IFieldGroupList;

/// Fields by name. setValue(name, text) replaces a field of that name; every
/// other setter inserts only when the name is absent. Getters of an absent
/// name give the neutral result (0, 0.0, null). Returned pointers point into
/// the group; valid until the group is assigned to or destroyed (texts: until
/// the field's value is replaced or rendered again).
/// Not safe for concurrent use, not even const calls: getters move the
/// built-in cursor or rewrite scratch text.
class TOLVEX_API IFieldGroup {
 public:
  virtual ~IFieldGroup() = default;

  /// Makes `name` a text field holding a copy of `text`, whatever it held;
  /// a null text adds a field with no value, or leaves an existing one as is.
  virtual void setValue(const char* name, const char* text) = 0;
  /// The field's text form, or null: a number as IField::getValueString()
  /// prints it, "list" for a list field.
  virtual const char* getValueString(const char* name) const = 0;
  /// Inserts a field holding a deep copy of `list` when `name` is absent;
  /// a field already there keeps its value.
  virtual void setValue(const char* name, const IFieldGroupList* list) = 0;
  /// The field's own list, or null.
  virtual IFieldGroupList* getValueList(const char* name) const = 0;
  /// Inserts when `name` is absent; a field already there keeps its value
  /// (a second setValueLong on the same name changes nothing, while
  /// setValue(name, text) replaces).
  virtual void setValueLong(const char* name, long long value) = 0;
  /// The field's value as a 64-bit integer; 0 when `name` is absent or the
  /// value has no numeric form.
  virtual long long getValueLong(const char* name) const = 0;
  /// Inserts when `name` is absent; a field already there keeps its value
  /// (a second setValueInt on the same name changes nothing, while
  /// setValue(name, text) replaces).
  virtual void setValueInt(const char* name, int value) = 0;
  /// The field's value as a 32-bit integer, converted as
  /// IField::getValueInt() does (text "12abc" gives 12, text "5000000000"
  /// gives INT_MAX, a 64-bit integer keeps its low 32 bits); 0 when `name` is
  /// absent or the value has no numeric form.
  virtual int getValueInt(const char* name) const = 0;
  /// Inserts when `name` is absent; a field already there keeps its value
  /// (a second setValueDouble on the same name changes nothing, while
  /// setValue(name, text) replaces).
  virtual void setValueDouble(const char* name, double value) = 0;
  /// The field's value as a double; 0.0 when `name` is absent or the
  /// value has no numeric form.
  virtual double getValueDouble(const char* name) const = 0;
  /// Inserts a copy of `length` bytes when `name` is absent; a field
  /// already there keeps its value.
  virtual void setValueBinary(const char* name, const void* data,
                              int length) = 0;
  /// The field's own bytes with their count in `length`, or null with
  /// `length` untouched.
  virtual const void* getValueBinary(const char* name, int& length) const = 0;
  /// Inserts a copy of `field` under its name when that name is absent;
  /// null does nothing.
  virtual void putField(const IField* field) = 0;
  /// The group's own field of that name, or null.
  virtual IField* getField(const char* name) const = 0;
  /// Puts the cursor on the first field in name order and returns it; null
  /// when the group is empty.
  virtual IField* getFirst() const = 0;
  /// Moves the cursor to the next field and returns it; null at the end.
  virtual IField* getNext() const = 0;
  /// The number of fields, those with no value or a binary value included.
  virtual int size() const = 0;
};
