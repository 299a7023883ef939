#pragma once

// AttrW: one named text attribute of a configuration element.

#include "tolvex/export.h"

/// A name and a value, each a private heap copy. The name keeps the case in
/// which it was written; the value is stored unchanged. Attributes are not
/// copied; they are handled by pointer. When a copy cannot be made, the
/// constructor throws std::bad_alloc and leaks nothing.
/// Thread-safety: not safe for concurrent use; distinct objects are
/// independent.
class TOLVEX_API AttrW {
 public:
  /// Copies `name` and `value`; a null one is stored as an empty text.
  AttrW(char const* name, char const* value);
  AttrW(const AttrW&) = delete;
  AttrW& operator=(const AttrW&) = delete;
  /// Frees both copies.
  virtual ~AttrW();

  /// The name as written; never null, owned by the attribute.
  char* name;
  /// The value; never null, owned by the attribute.
  char* value;
};
