#pragma once

// IVector, the interface of the pointer vector: a growable array of untyped
// pointers with one built-in index cursor.
//
// A walk ends at the first null it returns, so a vector that may hold nulls
// is walked by index instead:
//
//   for (void* p = v->firstElement(); p != nullptr; p = v->nextElement()) ...
//   for (int i = 0; i < v->size(); ++i) use(v->elementAt(i));

#include "tolvex/export.h"

/// A growable array of untyped pointers, in insertion order. It never owns
/// what its pointers point to.
///
/// The cursor is an index into the live array, compared with the size on
/// every step: elements added during a walk are visited, removing at a
/// position below the cursor skips the element that was due next, and
/// removeAllElements() ends the walk until the next firstElement().
/// Thread-safety: not safe for concurrent use, not even const calls: getters
/// move the built-in cursor.
class TOLVEX_API IVector {
 public:
  virtual ~IVector();

  /// Appends `element`, null included. The cursor does not move.
  virtual void addElement(void* element) = 0;
  /// The element at `index`. Throws std::out_of_range by value, with the
  /// standard vector's range-check text, when `index` is negative or not
  /// below size().
  virtual void* elementAt(int index) = 0;
  /// Removes the first occurrence of `element`; false when there is none.
  virtual bool removeElement(void* element) = 0;
  /// Removes the element at `index`, moving the following ones down; an
  /// index out of range is ignored. The cursor is not adjusted.
  virtual void removeElementAt(int index) = 0;
  /// Whether `element` is in the vector (pointer comparison).
  virtual bool contains(void* element) = 0;
  /// Empties the vector and ends any walk.
  virtual void removeAllElements() = 0;
  /// Replaces the element at `index`; an index out of range is ignored.
  virtual void setElementAt(void* element, int index) = 0;
  /// The number of elements.
  virtual int size() const = 0;
  /// Whether there are no elements.
  virtual bool isEmpty() = 0;
  /// The smallest index holding `element` (pointer comparison), or -1.
  virtual int indexOf(void* element) = 0;
  /// Starts a walk: the first element, or null when the vector is empty.
  virtual void* firstElement() = 0;
  /// The next element of the walk, or null when it is over or none was
  /// started.
  virtual void* nextElement() = 0;
  /// Appends the elements `other` holds when the call begins, in order,
  /// read through its size() and elementAt(); a vector appended to itself
  /// ends with its elements twice. A null `other` changes nothing.
  virtual void append(IVector* other) = 0;
};
