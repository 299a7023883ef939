#include "tolvex/model/universal_field_group_list.h"

#include <cstddef>
#include <list>

#include "tolvex/model/assert_exception_fm.h"
#include "tolvex/model/node_allocator_internal.h"
#include "tolvex/model/own_class_internal.h"
#include "tolvex/model/universal_message.h"

// The end position of the ring is groups_.end(): a step from it lands on the
// first group, a step onto it ends a walk.

UniversalFieldGroupList::UniversalFieldGroupList() {
  // The layout is part of the binary interface: the node allocator must
  // leave the list as large as with std::allocator, and the members where
  // they were on i386 and x86-64.
  static_assert(sizeof(GroupRing) == sizeof(std::list<UniversalFieldGroup>),
                "the list's size is fixed");
  static_assert(alignof(GroupRing) == alignof(std::list<UniversalFieldGroup>),
                "the list's alignment is fixed");
  constexpr std::size_t word = sizeof(void*);
  static_assert(sizeof(UniversalFieldGroupList) == 5 * word, "the list's size");
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winvalid-offsetof"
  static_assert(offsetof(UniversalFieldGroupList, cursor_) == word, "cursor_");
  static_assert(offsetof(UniversalFieldGroupList, groups_) == 2 * word,
                "groups_");
#pragma GCC diagnostic pop
  cursor_ = groups_.end();
}

UniversalFieldGroupList::UniversalFieldGroupList(
    const UniversalFieldGroupList& other)
    : groups_(other.groups_) {
  cursor_ = groups_.begin();
}

UniversalFieldGroupList& UniversalFieldGroupList::operator=(
    const UniversalFieldGroupList& other) {
  if (&other == this) return *this;
  // Copied aside first: a copy that runs out of memory leaves this list as
  // it was.
  GroupRing copy(other.groups_);
  groups_.swap(copy);
  cursor_ = groups_.begin();
  return *this;
}

UniversalFieldGroupList::~UniversalFieldGroupList() = default;

void UniversalFieldGroupList::put(const IFieldGroup* group) {
  if (group == nullptr) return;
  if (const auto* own = asOwnClass<UniversalFieldGroup>(group)) {
    groups_.push_back(*own);
  } else if (const auto* message =
                 dynamic_cast<const UniversalMessage*>(group)) {
    groups_.push_back(message->getGroup());
  } else {
    throw new AssertExceptionFM();
  }
}

IFieldGroup* UniversalFieldGroupList::getFirst() const {
  if (groups_.empty()) return nullptr;
  cursor_ = groups_.begin();
  return const_cast<UniversalFieldGroup*>(&*cursor_);
}

IFieldGroup* UniversalFieldGroupList::getNext() const {
  cursor_ = cursor_ == groups_.end() ? groups_.begin() : std::next(cursor_);
  if (cursor_ == groups_.end()) return nullptr;
  return const_cast<UniversalFieldGroup*>(&*cursor_);
}

int UniversalFieldGroupList::size() const {
  return static_cast<int>(groups_.size());
}
