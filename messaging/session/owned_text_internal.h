// Private header: not installed.
// The one rule by which the session records keep their texts: each member is
// null or a strdup copy that the record frees.
#pragma once

#include <cstdlib>
#include <cstring>
#include <new>

namespace owned_text {

/// Replaces the copy in `member` with a copy of `text`, or with null when
/// `text` is null. Copies before freeing, so that a member's own text may be
/// passed back. Throws std::bad_alloc when the copy cannot be made, leaving
/// `member` as it was.
inline void replace(char*& member, const char* text) {
  char* copy = text != nullptr ? strdup(text) : nullptr;
  if (text != nullptr && copy == nullptr) throw std::bad_alloc();
  std::free(member);
  member = copy;
}

}  // namespace owned_text
