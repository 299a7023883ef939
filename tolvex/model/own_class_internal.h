// Private header: not installed.
#pragma once

#include <typeinfo>

// `object` as the library's class Own (that class or one derived from it),
// or null when it is another implementation of the interface. An object of
// exactly Own skips dynamic_cast's walk of the class hierarchy.
template <typename Own, typename Interface>
const Own* asOwnClass(const Interface* object) {
  if (typeid(*object) == typeid(Own)) return static_cast<const Own*>(object);
  return dynamic_cast<const Own*>(object);
}
