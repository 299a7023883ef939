#pragma once

// StdVector, the implementation of IVector over a standard vector.

#include <vector>

#include "tolvex/export.h"
#include "tolvex/foundation/i_vector.h"

/// See IVector for the contract. Deleting the vector leaves the objects its
/// elements point to untouched. When memory runs out, addElement() and
/// append() throw std::bad_alloc and leave the vector as it was.
/// Thread-safety: not safe for concurrent use, not even const calls: getters
/// move the built-in cursor.
class TOLVEX_API StdVector : public IVector {
 public:
  /// An empty vector with no walk in progress.
  StdVector();
  ~StdVector() override;

  // IVector
  void addElement(void* element) override;
  void* elementAt(int index) override;
  bool removeElement(void* element) override;
  void removeElementAt(int index) override;
  bool contains(void* element) override;
  void removeAllElements() override;
  void setElementAt(void* element, int index) override;
  int size() const override;
  bool isEmpty() override;
  int indexOf(void* element) override;
  void* firstElement() override;
  void* nextElement() override;
  void append(IVector* other) override;

 private:
  std::vector<void*> elements_;
  int cursor_;  // index of the element nextElement() returns; -1: no walk
  // Nothing in the library reads this flag, but it is a member of the
  // published class layout, so it stays, with its published states: set by
  // every change of the elements except setElementAt(), cleared at
  // construction and by firstElement().
  bool changed_;
};
