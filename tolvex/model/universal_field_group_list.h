#pragma once

// UniversalFieldGroupList: the message model's list of field groups.
//
//   UniversalFieldGroupList entries;
//   entries.put(&bid);  // a copy of bid
//   entries.put(&ask);
//   message.setValue("268", &entries);  // the message keeps its own copy
//
// Choices this implementation makes where the model leaves room:
// - put() accepts a UniversalFieldGroup or a UniversalMessage (or a class
//   derived from either) and copies it; any other IFieldGroup throws.
// - Counts (size()) are int.
// - Out of memory, put() and the copies throw std::bad_alloc and leave the
//   list as it was.

#include <list>

#include "tolvex/export.h"
#include "tolvex/model/i_field_group_list.h"
#include "tolvex/model/universal_field_group.h"

/// The only IFieldGroupList implementation; it owns copies of its groups.
/// Not safe for concurrent use, not even const calls: getters move the
/// built-in cursor.
class TOLVEX_API UniversalFieldGroupList : public IFieldGroupList {
 public:
  /// No groups; the cursor stands at the end.
  UniversalFieldGroupList();
  /// A deep copy of every group in order; the cursor stands on the first.
  UniversalFieldGroupList(const UniversalFieldGroupList& other);
  /// Replaces every group with a deep copy of `other`'s and puts the cursor
  /// on the first; assigning a list to itself does nothing.
  UniversalFieldGroupList& operator=(const UniversalFieldGroupList& other);
  ~UniversalFieldGroupList() override;

  // IFieldGroupList
  /// Appends a copy of a UniversalFieldGroup, or of a UniversalMessage's
  /// group (its "SID" and "35" fields included). Throws a new
  /// AssertExceptionFM (the catcher deletes it) for any other group, and
  /// leaves the list unchanged.
  void put(const IFieldGroup* group) override;
  IFieldGroup* getFirst() const override;
  IFieldGroup* getNext() const override;
  int size() const override;

 private:
  using GroupRing =
      std::list<UniversalFieldGroup,
                UniversalFieldGroup::NodeAllocator<UniversalFieldGroup>>;

  mutable GroupRing::const_iterator cursor_;
  GroupRing groups_;
};
