// MD5 of arbitrary messages against OpenSSL, and MD2 against the plain
// RFC 1319 reference below (which shares only the published permutation
// table with the engine under test).

#include <openssl/evp.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tolvex/foundation/md2.h"
#include "tolvex/foundation/md5.h"

#include "oracle.h"

namespace {

std::string hex(const unsigned char* bytes, size_t count) {
  static const char kDigits[] = "0123456789abcdef";
  std::string out;
  for (size_t i = 0; i < count; ++i) {
    out += kDigits[bytes[i] >> 4];
    out += kDigits[bytes[i] & 15];
  }
  return out;
}

// RFC 1319 as written there: pad, append the checksum, digest 16-byte blocks.
std::string referenceMd2(const uint8_t* data, size_t size) {
  const unsigned char* s = CMD2::m_aSubst;
  std::vector<unsigned char> message(data, data + size);
  const size_t pad = 16 - message.size() % 16;
  message.insert(message.end(), pad, static_cast<unsigned char>(pad));

  unsigned char checksum[16] = {};
  unsigned char last = 0;
  for (size_t block = 0; block < message.size(); block += 16) {
    for (int j = 0; j < 16; ++j) {
      checksum[j] ^= s[message[block + j] ^ last];
      last = checksum[j];
    }
  }
  message.insert(message.end(), checksum, checksum + 16);

  unsigned char x[48] = {};
  for (size_t block = 0; block < message.size(); block += 16) {
    for (int j = 0; j < 16; ++j) {
      x[16 + j] = message[block + j];
      x[32 + j] = x[16 + j] ^ x[j];
    }
    unsigned t = 0;
    for (unsigned round = 0; round < 18; ++round) {
      for (int k = 0; k < 48; ++k) t = x[k] ^= s[t];
      t = (t + round) & 0xff;
    }
  }
  return hex(x, 16);
}

std::string referenceMd5(const uint8_t* data, size_t size) {
  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int length = 0;
  check(EVP_Digest(data, size, digest, &length, EVP_md5(), nullptr) == 1,
        "OpenSSL digests");
  return hex(digest, length);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  unsigned int words[4];
  CMD5::getHash(reinterpret_cast<const char*>(data), size, words, 4);
  unsigned char bytes[16];
  for (int i = 0; i < 4; ++i) {
    for (int b = 0; b < 4; ++b) bytes[4 * i + b] = (words[i] >> (8 * b)) & 0xff;
  }
  check(hex(bytes, 16) == referenceMd5(data, size), "MD5 digest");

  CMD2 md2;
  const std::string expected = referenceMd2(data, size);
  check(md2.getDigest(data, static_cast<unsigned int>(size)) == expected,
        "MD2 digest");
  // A second digest on the same engine starts afresh.
  check(md2.getDigest(data, static_cast<unsigned int>(size)) == expected,
        "MD2 digest repeated");
  return 0;
}
