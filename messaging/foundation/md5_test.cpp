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
  unsigned char bytes[16];
  std::memcpy(bytes, words, sizeof bytes);
  std::string text;
  char pair[3];
  for (unsigned char b : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", b);
    text += pair;
  }
  return text;
}

std::string md5(const std::string& message) {
  unsigned int words[4] = {};
  CMD5::getHash(message.data(), message.size(), words, 4);
  return hexOf(words);
}

}  // namespace

TEST(CMD5Test, MatchesTheReferenceSuite) {
  const struct {
    const char* message;
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
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.digest, md5(row.message)) << row.message;
  }
}

TEST(CMD5Test, PaddingBoundaries) {
  // Lengths around the 56-byte limit of a one-block tail, and whole blocks.
  const struct {
    size_t length;
    const char* digest;
  } rows[] = {
      {55, "ef1772b6dff9a122358552954ad0df65"},   // tail fits one block
      {56, "3b0c8ac703f828b04c6c197006d17218"},   // length spills to two
      {63, "b06521f39153d618550606be297466d5"},   // two, one byte short
      {64, "014842d480b571495a4a0363793f7367"},   // one padding block
      {120, "5f61c0ccad4cac44c75ff505e1f1e537"},  // block, then 56-byte tail
  };
  for (const auto& row : rows) {
    EXPECT_EQ(row.digest, md5(std::string(row.length, 'a'))) << row.length;
  }
}

TEST(CMD5Test, EngineCanBeReusedAndToleratesNullArguments) {
  CMD5 engine;
  unsigned int words[4];
  engine.get("abc", 3, words, 4);
  engine.get("abc", 3, words, 4);
  EXPECT_EQ("900150983cd24fb0d6963f7d28e17f72", hexOf(words));

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
