// Message digests: MD5 as four 32-bit words and their usual text, MD2 as
// hexadecimal text.
#include <cstdio>
#include <cstring>

#include "tolvex/tolvex.h"

int main() {
  const char* texts[] = {"", "abc", "message digest"};

  std::printf("== MD5: CMD5::getHash fills four words, toHex writes them ==\n");
  for (const char* text : texts) {
    unsigned int words[4];
    CMD5::getHash(text, std::strlen(text), words, 4);
    char hex[33];  // 32 digits and a NUL, as md5sum prints them
    CMD5::toHex(words, hex);
    std::printf("\"%s\": %s\n", text, hex);
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
