#pragma once

// IFieldGroupList: the interface of an ordered list of field groups, the
// value of a list-valued field (a repeating group).
//
//   for (IFieldGroup* g = list.getFirst(); g != nullptr; g = list.getNext()) {
//     ...
//   }
//
// Dumping a message or group (toString(), printState()) moves the cursor of
// each of its lists to the end, and the cursor wraps, so a dump inside a walk
// of one of its own lists restarts the walk, which then never ends. Inside
// such a walk, dump a copy, whose cursors are its own:
//
//   for (IFieldGroup* g = list->getFirst(); g; g = list->getNext()) {
//     log(UniversalMessage(message).toString());
//   }

#include "tolvex/export.h"

class IFieldGroup;

/// Groups in the order they were appended, with a built-in cursor that runs
/// round a ring: after getNext() has returned null, the next getNext()
/// returns the first group again. Returned pointers point into the list;
/// valid until the list is assigned to or destroyed.
/// Not safe for concurrent use, not even const calls: getters move the
/// built-in cursor.
class TOLVEX_API IFieldGroupList {
 public:
  virtual ~IFieldGroupList() = default;

  /// Appends a copy of `group`; null does nothing. Never moves the cursor.
  virtual void put(const IFieldGroup* group) = 0;
  /// Puts the cursor on the first group and returns it; null (cursor
  /// unmoved) when the list is empty.
  virtual IFieldGroup* getFirst() const = 0;
  /// Moves the cursor one step and returns the group there; null when the
  /// step reaches the end.
  virtual IFieldGroup* getNext() const = 0;
  /// The number of groups.
  virtual int size() const = 0;
};
