#pragma once

// ConfigElement: one node of a configuration tree, with a type, named text
// attributes and an ordered list of child elements that it owns.
//
//   ConfigElement* root = new ConfigElement();
//   root->init("servers");
//   UrlElement* url = new UrlElement();
//   url->addAttribute("urlString", "tcp:host:9000");
//   root->addElement(url);                       // root now owns url
//   IVector* urls = root->getElements("URL");    // types match in any case
//   ...
//   delete urls;                                 // the elements stay
//   delete root;                                 // deletes url too
//
// Attribute names are case-insensitive (ASCII letters only): every name is
// lower-cased before it is stored or looked up, while the AttrW keeps the
// name as written.

#include <cstddef>

#include "tolvex/export.h"
#include "tolvex/foundation/i_hash_table.h"
#include "tolvex/foundation/i_vector.h"

/// A configuration element. Elements are not copied; they are handled by
/// pointer, and a parent deletes its children.
///
/// An element that has not been through init() yet has no child vector and
/// no attribute table: until then adding gives false, lookups give null and
/// the filtered getElements give an empty vector.
/// When memory runs out an operation throws std::bad_alloc and leaks
/// nothing; a failed addAttribute() leaves the attributes as they were.
/// Thread-safety: not safe for concurrent use, not even const calls: the
/// filtered getElements move the child vector's cursor.
class TOLVEX_API ConfigElement {
 public:
  /// An element with no type, no child vector and no attribute table; init()
  /// must follow.
  ConfigElement();
  ConfigElement(const ConfigElement&) = delete;
  ConfigElement& operator=(const ConfigElement&) = delete;
  /// Frees the type and deletes every attribute, every child (recursively)
  /// and the containers that held them.
  virtual ~ConfigElement();

  /// Sets the type to a copy of `type` ("" when null) and creates the empty
  /// child vector and attribute table. Meant to be called once; a further
  /// call replaces only the type.
  void init(char* type);
  /// As init(char*).
  void init(const char* type);
  /// As init(char*) with a null type; spares callers a cast.
  void init(std::nullptr_t) { init(static_cast<const char*>(nullptr)); }

  /// The type text, or null before init(). Owned by the element.
  const char* getType();
  /// The attribute table itself, keyed by lower-cased name, each value an
  /// AttrW* pointer entry; null before init(). Owned by the element: entries
  /// added through it must be AttrW objects made with `new`, which the
  /// element then deletes.
  IHashTable* getAttributes();
  /// The child vector itself, null before init(). Owned by the element.
  IVector* getElements();

  /// Appends `element` as the last child; the parent then owns it. False,
  /// and nothing changes, for null, for the element itself and for an
  /// element that already is a child of this one. The caller must not add
  /// an ancestor of this element.
  bool addElement(ConfigElement* element);
  /// Stores an attribute under the lower-cased `name`, replacing (and
  /// deleting) one stored under the same name in any case. A null `value`
  /// is stored as "". False, and nothing is stored, for a null or empty
  /// `name`.
  bool addAttribute(char const* name, char const* value);
  /// The value of the attribute named `name` in any case, or null (none, or
  /// a null or empty `name`). Points into the element; valid until that
  /// attribute is replaced or the element dies.
  const char* getAttribute(char const* name);

  /// A new vector of the children whose type equals `type` ignoring case, in
  /// order; empty for a null or empty `type`. The caller deletes the vector;
  /// the elements in it stay owned by this element.
  IVector* getElements(char* type);
  /// As getElements(char*).
  IVector* getElements(const char* type);
  /// An empty new vector, as getElements(char*) with a null type.
  IVector* getElements(std::nullptr_t) {
    return getElements(static_cast<const char*>(nullptr));
  }
  /// A new vector of the children whose type equals `type` and whose
  /// attribute `attrName` is present and equals `attrValue`, all ignoring
  /// case, in order. Empty when any argument is null or `type` or `attrName`
  /// is empty. Owned as getElements(char*).
  IVector* getElements(char const* type, char const* attrName,
                       char const* attrValue);

 private:
  char* type_;              // strdup copy
  IVector* elements_;       // of ConfigElement*, all owned
  IHashTable* attributes_;  // lower-cased name -> AttrW*, all owned
};
