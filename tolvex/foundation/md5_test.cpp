#include "tolvex/foundation/md5.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#ifdef TOLVEX_TEST_WITH_OPENSSL
// MD5() is deprecated in OpenSSL 3 but is exactly the peer wanted here.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/md5.h>
#endif

namespace {

// The digest as hexadecimal text of the sixteen bytes in memory order.
std::string hexOf(const unsigned int (&words)[4]) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(words);
  std::string text;
  char pair[3];
  for (int i = 0; i < 16; ++i) {
    std::snprintf(pair, sizeof pair, "%02x", bytes[i]);
    text += pair;
  }
  return text;
}

}  // namespace

TEST(CMD5Test, MatchesTheReferenceSuiteAndThePaddingBoundaries) {
  const struct {
    std::string message;
    const char* digest;
  } rows[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"a", "0cc175b9c0f1b6a831c399e269772661"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      {"message digest", "f96b697d7cb7938d525a2f31aaf161d0"},
      {"abcdefghijklmnopqrstuvwxyz", "c3fcd3d76192e4007dfb496cca67e13b"},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
       "d174ab98d277d9f5a5611c2c9f419d9f"},
      {"1234567890123456789012345678901234567890"
       "1234567890123456789012345678901234567890",
       "57edf4a22be3c955ac49da2e2107b67a"},
      // Around the 56-byte limit of a one-block tail, and whole blocks.
      {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
      {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
      {std::string(63, 'a'), "b06521f39153d618550606be297466d5"},
      {std::string(64, 'a'), "014842d480b571495a4a0363793f7367"},
      {std::string(120, 'a'), "5f61c0ccad4cac44c75ff505e1f1e537"},
  };
  CMD5 engine;  // one engine for all: each digest starts afresh
  for (const auto& row : rows) {
    unsigned int words[4] = {};
    engine.get(row.message.data(), row.message.size(), words, 4);
    EXPECT_EQ(row.digest, hexOf(words)) << row.message.size() << " bytes";
    CMD5::getHash(row.message.data(), row.message.size(), words, 4);
    EXPECT_EQ(row.digest, hexOf(words)) << row.message.size() << " bytes";
  }
  engine.get(nullptr, 0, nullptr, 0);  // null arguments are harmless
  unsigned int empty[4];
  CMD5::getHash(nullptr, 10, empty, 4);  // a null message counts as empty
  EXPECT_EQ("d41d8cd98f00b204e9800998ecf8427e", hexOf(empty));
}

#ifdef TOLVEX_TEST_WITH_OPENSSL
TEST(CMD5Test, AgreesWithOpenSslOverRandomMessages) {
  std::mt19937 random(20240521);
  std::vector<unsigned char> message(5000);
  for (unsigned char& b : message) b = static_cast<unsigned char>(random());
  std::uniform_int_distribution<size_t> length(0, message.size());
  for (int i = 0; i < 600; ++i) {
    // Every length up to 300, then random ones.
    const size_t n = i < 300 ? static_cast<size_t>(i) : length(random);
    unsigned int ours[4];
    CMD5::getHash(reinterpret_cast<const char*>(message.data()), n, ours, 4);
    unsigned char theirs[MD5_DIGEST_LENGTH];
    MD5(message.data(), n, theirs);
    ASSERT_EQ(0, std::memcmp(ours, theirs, sizeof theirs)) << n << " bytes";
  }
}
#endif

TEST(CMD5Test, ToHexWritesTheUsualDigestText) {
  unsigned int words[4];
  char text[33];  // exactly the room needed, for AddressSanitizer to watch
  CMD5::getHash("abc", 3, words, 4);
  CMD5::toHex(words, text);
  EXPECT_STREQ("900150983cd24fb0d6963f7d28e17f72", text);
  CMD5::toHex(nullptr, text);  // no digest: the empty text
  EXPECT_STREQ("", text);
  CMD5::toHex(words, nullptr);  // no room: nothing is written
}
