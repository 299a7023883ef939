#include "tolvex/foundation/attr_w.h"

#include <cstdlib>
#include <cstring>

AttrW::AttrW(char const* name, char const* value)
    : name(strdup(name != nullptr ? name : "")),
      value(strdup(value != nullptr ? value : "")) {}

AttrW::~AttrW() {
  free(name);
  free(value);
}
