#pragma once

/// \file
/// IHashTable, the interface of the typed name table, and DataType, the type
/// code of its entries.
///
/// A table maps names (NUL-terminated byte strings, case-sensitive) to one
/// typed value each, kept in unsigned byte order of the names. Besides the
/// reads by name, one built-in cursor walks the entries in name order:
///
/// \code
/// for (bool more = table->firstElement() != nullptr; more;
///      more = table->nextElement() != nullptr) {
///   use(table->getName(), table->getType());
/// }
/// \endcode

#include "tolvex/export.h"

/// The type code of a table entry. 0 is only ever the type of a missing name.
enum DataType : int {
  DATATYPE_NONE = 0,     ///< no entry of that name
  DATATYPE_INT = 1,      ///< 32-bit signed integer
  DATATYPE_STRING = 2,   ///< NUL-terminated text, or a null text
  DATATYPE_POINTER = 3,  ///< untyped pointer, never owned by the table
  DATATYPE_DOUBLE = 4,   ///< double
  DATATYPE_LONG = 5,     ///< 64-bit signed integer
};

/// A name-ordered table of typed values with one built-in cursor.
///
/// A null name is never an error: writes and remove() ignore it, reads by name
/// give their neutral result. Reads by name never throw. The cursor getters
/// throw a new GenericException* ("Data not found" at the end, "Type
/// mismatch" for a value getter on an entry of another type, both with error
/// code -1); the catcher deletes it. Adding or removing a name, clear() and
/// filling the table move the cursor to the end, which ends a walk; replacing
/// the value of an existing name does not.
///
/// The table never owns what its pointer entries point to.
/// Thread-safety: not safe for concurrent use, not even const calls: getters
/// move the built-in cursor.
class TOLVEX_API IHashTable {
 public:
  virtual ~IHashTable();

  /// Stores a copy of `value`; a null `value` is kept as a null text.
  virtual void put(const char* name, const char* value) = 0;
  /// Stores `value`, replacing the type and value of an existing entry.
  virtual void put(const char* name, double value) = 0;
  /// Stores `value`, replacing the type and value of an existing entry.
  virtual void put(const char* name, int value) = 0;
  /// Stores `value`, replacing the type and value of an existing entry.
  virtual void put(const char* name, long long value) = 0;
  /// Stores the pointer only; the table never touches what it points to.
  virtual void put(const char* name, void* value) = 0;

  /// The text of a text entry, or null (missing name, other type, or a text
  /// put as null). Points into the table; valid until the entry is
  /// overwritten or removed, or the table is cleared, copied into or deleted.
  virtual const char* getString(const char* name) = 0;
  /// The value of a double entry, else 0.0.
  virtual double getDouble(const char* name) = 0;
  /// The value of an integer entry, else 0.
  virtual int getInt(const char* name) = 0;
  /// The value of a 64-bit integer entry, else 0.
  virtual long long getLong(const char* name) = 0;
  /// The value of a pointer entry, else null.
  virtual void* getPointer(const char* name) = 0;
  /// The entry's type, or DATATYPE_NONE for a missing or null name.
  virtual DataType getType(const char* name) = 0;
  /// Whether an entry of that name exists, whatever its type.
  virtual bool exists(const char* name) = 0;
  /// Removes every entry.
  virtual void clear() = 0;

  /// Puts the cursor on the first entry. Non-null when there is one, null for
  /// an empty table; use the result only as a truth value.
  virtual void* firstElement() = 0;
  /// Moves the cursor to the next entry. Non-null when there is one, null
  /// when the cursor passes the last entry or already was at the end.
  virtual void* nextElement() = 0;
  /// The text of the entry under the cursor; null for a text put as null.
  /// Lives as getString(name) does. Throws "Type mismatch" or "Data not
  /// found".
  virtual const char* getString() = 0;
  /// Throws "Type mismatch" or "Data not found", as getString().
  virtual double getDouble() = 0;
  /// Throws "Type mismatch" or "Data not found", as getString().
  virtual int getInt() = 0;
  /// Throws "Type mismatch" or "Data not found", as getString().
  virtual long long getLong() = 0;
  /// Throws "Type mismatch" or "Data not found", as getString().
  virtual void* getPointer() = 0;
  /// The name of the entry under the cursor; valid until that entry is
  /// removed or the table cleared, copied into or deleted. Throws "Data not
  /// found" at the end.
  virtual const char* getName() = 0;
  /// The type of the entry under the cursor. Throws "Data not found" at the
  /// end.
  virtual DataType getType() = 0;

  /// The number of entries.
  virtual int size() const = 0;
  /// Removes the entry of that name; a missing name changes nothing, the
  /// cursor included.
  virtual void remove(const char* name) = 0;
};
