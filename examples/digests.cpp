// Message digests: MD5 as four 32-bit words, MD2 as hexadecimal text.
#include <cstdio>
#include <cstring>

#include "tolvex/tolvex.h"

int main() {
  const char* texts[] = {"", "abc", "message digest"};

  std::printf("== MD5: CMD5::getHash fills four words ==\n");
  for (const char* text : texts) {
    unsigned int words[4];
    CMD5::getHash(text, std::strlen(text), words, 4);
    std::printf("\"%s\": %08x %08x %08x %08x\n", text, words[0], words[1],
                words[2], words[3]);
  }

  std::printf("\n== MD2: an engine returns the digest as text ==\n");
  // The engine owns the text; it is valid until the next digest.
  IMDEngine* engine = new CMD2();
  for (const char* text : texts) {
    const char* hex =
        engine->getDigest(reinterpret_cast<const unsigned char*>(text),
                          static_cast<unsigned int>(std::strlen(text)));
    std::printf("\"%s\": %s\n", text, hex);
  }
  engine->destruct();  // deletes the engine
  return 0;
}
