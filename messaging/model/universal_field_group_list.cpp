#include "tolvex/model/universal_field_group_list.h"

#include "tolvex/model/assert_exception_fm.h"
#include "tolvex/model/universal_message.h"

// The end position of the ring is groups_.end(): a step from it lands on the
// first group, a step onto it ends a walk.

UniversalFieldGroupList::UniversalFieldGroupList() {
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
  if (const auto* own = dynamic_cast<const UniversalFieldGroup*>(group)) {
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
