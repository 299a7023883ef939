#include "tolvex/foundation/attr_w.h"

#include <cstdlib>

#include "tolvex/foundation/owned_text_internal.h"

AttrW::AttrW(char const* name, char const* value)
    : name(owned_text::duplicate(name != nullptr ? name : "")), value(nullptr) {
  try {
    this->value = owned_text::duplicate(value != nullptr ? value : "");
  } catch (...) {
    free(this->name);
    throw;
  }
}

AttrW::~AttrW() {
  free(name);
  free(value);
}
