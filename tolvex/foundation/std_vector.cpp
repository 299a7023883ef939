#include "tolvex/foundation/std_vector.h"

#include <cstddef>

namespace {

bool inRange(const std::vector<void*>& elements, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < elements.size();
}

}  // namespace

StdVector::StdVector() : cursor_(-1), changed_(false) {}

StdVector::~StdVector() = default;

void StdVector::addElement(void* element) {
  elements_.push_back(element);
  changed_ = true;
}

void* StdVector::elementAt(int index) {
  // The standard vector's own range check gives callers its exact text; a
  // negative index shows as its unsigned value.
  return elements_.at(static_cast<std::size_t>(index));
}

bool StdVector::removeElement(void* element) {
  const int index = indexOf(element);
  if (index < 0) return false;
  removeElementAt(index);
  return true;
}

void StdVector::removeElementAt(int index) {
  if (!inRange(elements_, index)) return;
  elements_.erase(elements_.begin() + index);
  changed_ = true;
}

bool StdVector::contains(void* element) {
  return indexOf(element) >= 0;
}

void StdVector::removeAllElements() {
  elements_.clear();
  cursor_ = -1;
  changed_ = true;
}

void StdVector::setElementAt(void* element, int index) {
  if (inRange(elements_, index)) elements_[index] = element;
}

int StdVector::size() const {
  return static_cast<int>(elements_.size());
}

bool StdVector::isEmpty() {
  return elements_.empty();
}

int StdVector::indexOf(void* element) {
  for (std::size_t i = 0; i < elements_.size(); ++i) {
    if (elements_[i] == element) return static_cast<int>(i);
  }
  return -1;
}

void* StdVector::firstElement() {
  cursor_ = 0;
  changed_ = false;
  return nextElement();
}

void* StdVector::nextElement() {
  if (!inRange(elements_, cursor_)) return nullptr;
  return elements_[cursor_++];
}

void StdVector::append(IVector* other) {
  if (other == nullptr) return;
  // The count is taken once, so appending a vector to itself doubles it.
  const int count = other->size();
  const std::size_t before = elements_.size();
  try {
    for (int i = 0; i < count; ++i) elements_.push_back(other->elementAt(i));
  } catch (...) {
    // All or nothing: what was appended before the failure goes again.
    elements_.erase(elements_.begin() + static_cast<std::ptrdiff_t>(before),
                    elements_.end());
    throw;
  }
  changed_ = true;
}
