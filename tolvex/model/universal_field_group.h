#pragma once

// UniversalFieldGroup: the message model's field group, an ordered map of
// fields by name.
//
//   UniversalFieldGroup quote;
//   quote.setValue("55", "EUR/USD");
//   quote.setValueDouble("270", 1.0825);
//   quote.toString();  // "<group>\n" + one line per field + "</group>\n"
//
// Names are ordered byte by byte, bytes compared as unsigned values, a prefix
// before the longer name: "10" < "35" < "B" < "SID" < "a".
//
// Choices this implementation makes where the model leaves room:
// - A null name is ignored by the setters; the getters give their neutral
//   result for it.
// - getNext() at the end position (after it returned null, after getFirst()
//   on an empty group, on a new group) returns null.
// - Field and group pointers are returned non-const from const getters: a
//   caller changes a stored field in place through them. A stored field
//   renamed through setName() is still found under its original name.
// - putField() of a field of another IField implementation copies its name
//   and value through the interface.
// - Counts (size()) are int.
// - Out of memory, every setter, putField() and the copies throw
//   std::bad_alloc and leave the group as it was.

#include <cstddef>
#include <map>
#include <string>
#include <utility>

#include "tolvex/export.h"
#include "tolvex/model/i_field_group.h"
#include "tolvex/model/universal_field.h"

class UniversalMessage;

/// The only IFieldGroup implementation; groups nest through list-valued
/// fields.
/// Not safe for concurrent use, not even const calls: getters move the
/// built-in cursor.
class TOLVEX_API UniversalFieldGroup : public IFieldGroup {
 public:
  /// No fields; the cursor stands at the end.
  UniversalFieldGroup();
  /// A deep copy of every field; the cursor stands on the first field.
  UniversalFieldGroup(const UniversalFieldGroup& other);
  /// Replaces every field with a deep copy of `other`'s and puts the cursor
  /// on the first field; assigning a group to itself does nothing.
  UniversalFieldGroup& operator=(const UniversalFieldGroup& other);
  ~UniversalFieldGroup() override;

  /// The group's own field stored under `name`, or null.
  UniversalField* find(const char* name) const;
  /// The group's part of the text dump: "<group>\n", a line for every field
  /// with a scalar or list value (a list's groups follow its line between
  /// "<list>\n" and "</list>\n"), "</group>\n". Moves the cursor of every
  /// list inside the group to its end: inside a walk of one of them, dump a
  /// copy (see IFieldGroupList).
  std::string toString() const;

  // IFieldGroup
  void setValue(const char* name, const char* text) override;
  const char* getValueString(const char* name) const override;
  void setValue(const char* name, const IFieldGroupList* list) override;
  IFieldGroupList* getValueList(const char* name) const override;
  void setValueLong(const char* name, long long value) override;
  long long getValueLong(const char* name) const override;
  void setValueInt(const char* name, int value) override;
  int getValueInt(const char* name) const override;
  void setValueDouble(const char* name, double value) override;
  double getValueDouble(const char* name) const override;
  void setValueBinary(const char* name, const void* data, int length) override;
  const void* getValueBinary(const char* name, int& length) const override;
  void putField(const IField* field) override;
  IField* getField(const char* name) const override;
  IField* getFirst() const override;
  IField* getNext() const override;
  int size() const override;

 private:
  friend class DumpWriter;
  friend class UniversalMessage;
  friend class UniversalFieldGroupList;

  // Byte order of names, comparable with plain C strings so that a lookup
  // by name makes no string.
  struct NameOrder {
    using is_transparent = void;
    bool operator()(const std::string& a, const std::string& b) const;
    bool operator()(const std::string& a, const char* b) const;
    bool operator()(const char* a, const std::string& b) const;
  };
  // Takes the nodes of the model's containers from a per-thread cache of
  // freed blocks. Stateless, so that a container using it keeps the size and
  // layout it has with std::allocator.
  template <typename T>
  struct NodeAllocator {
    using value_type = T;
    NodeAllocator() = default;
    template <typename U>
    NodeAllocator(const NodeAllocator<U>&) {}
    T* allocate(std::size_t count);
    void deallocate(T* block, std::size_t count) noexcept;
    template <typename U>
    bool operator==(const NodeAllocator<U>&) const {
      return true;
    }
    template <typename U>
    bool operator!=(const NodeAllocator<U>&) const {
      return false;
    }
  };
  using FieldMap =
      std::map<std::string, UniversalField, NameOrder,
               NodeAllocator<std::pair<const std::string, UniversalField>>>;

  // Appends toString() to `out`.
  void appendDump(std::string& out) const;
  // Inserts under `key` a field built from `args` and returns it; null when
  // `key` is null or already present.
  template <typename... Args>
  UniversalField* emplaceIfAbsent(const char* key, const Args&... args);

  mutable FieldMap::const_iterator cursor_;
  FieldMap fields_;
};
