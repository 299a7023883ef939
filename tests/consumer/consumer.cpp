// Proves that the installed headers, libraries and package files serve a
// client: compiles against <tolvex/tolvex.h>, links, runs.
#include <tolvex/tolvex.h>

#include <cstdio>
#include <cstring>

int main() {
  if (std::strcmp(tolvexVersion(), TOLVEX_VERSION_STRING) != 0) {
    std::fprintf(stderr, "header %s, library %s\n", TOLVEX_VERSION_STRING,
                 tolvexVersion());
    return 1;
  }
  std::printf("consumer: libtolvex %s\n", tolvexVersion());
  return 0;
}
