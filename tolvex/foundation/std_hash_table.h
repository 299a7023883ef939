#pragma once

// StdHashTable, the implementation of IHashTable: an ordered map from name to
// a heap record per entry.

#include <map>
#include <string>
#include <string_view>

#include "tolvex/export.h"
#include "tolvex/foundation/i_hash_table.h"

/// See IHashTable for the contract. Tables are duplicated with copy(), not by
/// copy construction or assignment. When memory runs out, std::bad_alloc is
/// thrown and nothing leaks: a failed put() leaves the table as it was, a
/// failed copy() leaves it holding part of the copy.
/// Thread-safety: not safe for concurrent use, not even const calls: getters
/// move the built-in cursor.
class TOLVEX_API StdHashTable : public IHashTable {
 public:
  /// The record of one entry.
  struct _Item {
    DataType type;  ///< never DATATYPE_NONE
    /// The value by type.
    union Value {
      int intValue;              ///< of DATATYPE_INT
      void* pointerValue;        ///< of DATATYPE_POINTER
      double doubleValue;        ///< of DATATYPE_DOUBLE
      long long longValue;       ///< of DATATYPE_LONG
      unsigned char nullMarker;  ///< of DATATYPE_STRING: 1 for a null text
    } value;                     ///< the value by type
    /// The text of a text entry; empty for every other type.
    std::string text;
  };

  /// An empty table, the cursor at the end.
  StdHashTable();
  StdHashTable(const StdHashTable&) = delete;
  StdHashTable& operator=(const StdHashTable&) = delete;
  ~StdHashTable() override;

  /// Replaces the contents with copies of `other`'s entries; pointer entries
  /// share their objects with `other`. Leaves the cursor at the end. Copying
  /// a table from itself changes nothing.
  void copy(const StdHashTable& other);

  // IHashTable
  void put(const char* name, const char* value) override;
  void put(const char* name, double value) override;
  void put(const char* name, int value) override;
  void put(const char* name, long long value) override;
  void put(const char* name, void* value) override;
  const char* getString(const char* name) override;
  double getDouble(const char* name) override;
  int getInt(const char* name) override;
  long long getLong(const char* name) override;
  void* getPointer(const char* name) override;
  DataType getType(const char* name) override;
  bool exists(const char* name) override;
  void clear() override;
  /// Returns the address of the entry's record, or null.
  void* firstElement() override;
  /// Returns the address of the entry's record, or null.
  void* nextElement() override;
  const char* getString() override;
  double getDouble() override;
  int getInt() override;
  long long getLong() override;
  void* getPointer() override;
  const char* getName() override;
  DataType getType() override;
  int size() const override;
  void remove(const char* name) override;

 protected:
  /// The record of `name`; when absent and `create` is true, a new empty text
  /// record under that name (the cursor moves to the end), else null. Null
  /// for a null name.
  _Item* __find(const char* name, bool create);
  /// The record of `name`, or null.
  _Item* _find(const char* name);
  /// The record of `name` when it has that type, or null.
  _Item* _find(const char* name, DataType type);
  /// Makes `item` a text entry (null marker set for a null `value`);
  /// returns it.
  _Item* assign(_Item* item, const char* value);
  /// Makes `item` a double entry with an empty text; returns it.
  _Item* assign(_Item* item, double value);
  /// Makes `item` an integer entry with an empty text; returns it.
  _Item* assign(_Item* item, int value);
  /// Makes `item` a 64-bit integer entry with an empty text; returns it.
  _Item* assign(_Item* item, long long value);
  /// Makes `item` a pointer entry with an empty text; returns it.
  _Item* assign(_Item* item, void* value);
  /// The record under the cursor; throws "Data not found" at the end.
  _Item* getCurItem();
  /// As getCurItem(), and throws "Type mismatch" for another type.
  _Item* getCurItem(DataType type);

 private:
  /// Unsigned byte order; looks C strings up without making a std::string.
  struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
      return a < b;
    }
  };
  using Entries = std::map<std::string, _Item*, NameLess>;

  Entries entries_;
  Entries::iterator cursor_;
  // Nothing in the library reads this flag, but it is a member of the
  // published class layout, which programs built against it rely on, so it
  // stays, and with it its published states: set when a name is added or
  // removed and by clear() and copy(), cleared at construction and by
  // firstElement().
  bool changed_;
};
