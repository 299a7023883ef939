#include "tolvex/version.h"

const char* tolvexVersion() {
  return TOLVEX_VERSION_STRING;
}
