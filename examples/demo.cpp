#include <cstdio>

#include "tolvex/tolvex.h"

int main() {
  std::printf("libtolvex %s\n", tolvexVersion());
  return 0;
}
