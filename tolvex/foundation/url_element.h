#pragma once

// UrlElement: the configuration element of type "url" that describes one
// server address through its attributes "urlString", "protocol", "secure",
// "name" and "params".
//
// The "params" text is a list of name=value pairs separated by semicolons,
// such as "a=1; b = two ;c=3". getParams() parses it:
// - carriage returns, line feeds and double quotes are removed from the
//   whole text first (quotes do not quote: a ";" between them separates);
// - each segment between semicolons splits at its first "=", which needs at
//   least one character on each side; the value may itself contain "=";
// - blanks (0x20 only) around the name and the value are dropped, and a
//   segment whose name or value is then empty is skipped;
// - a later pair replaces an earlier one of the same name; names keep
//   their case.

#include "tolvex/export.h"
#include "tolvex/foundation/config_element.h"
#include "tolvex/foundation/std_hash_table.h"

/// A ConfigElement whose type is "url", with getters for its attributes.
/// Attribute names are case-insensitive, so "URLSTRING" is found by
/// getUrlString() as well.
/// Thread-safety: not safe for concurrent use, not even const calls: the
/// filtered getElements move the child vector's cursor.
class TOLVEX_API UrlElement : public ConfigElement {
 public:
  /// An initialised element of type "url", without attributes or children.
  UrlElement();
  ~UrlElement() override;

  /// Each returns the attribute's value, or null when it is absent. Points
  /// into the element; valid until the attribute is replaced or the element
  /// dies.
  ///@{
  const char* getUrlString();
  const char* getProtocol();
  const char* getSecure();
  const char* getName();
  ///@}

  /// A new table of the pairs of the "params" attribute, each a pointer entry
  /// under the name as written holding a `strdup` copy of the value; null
  /// when the attribute is absent or yields no pair. The caller frees every
  /// value with `free` and deletes the table.
  StdHashTable* getParams();
};
