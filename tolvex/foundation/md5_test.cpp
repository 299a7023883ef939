#include "tolvex/foundation/md5.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The usual digest text, the sixteen bytes in memory order.
std::string hexOf(const unsigned int (&words)[4]) {
  char text[33];
  CMD5::toHex(words, text);
  return text;
}

}  // namespace

TEST(CMD5Test, MatchesTheReferenceSuiteAndThePaddingBoundaries) {
  const struct {
    std::string message;
    const char* digest;
  } rows[] = {
      {"", "d41d8cd98f00b204e9800998ecf8427e"},
      {"abc", "900150983cd24fb0d6963f7d28e17f72"},
      // Around the 56-byte limit of a one-block tail, and whole blocks.
      {std::string(55, 'a'), "ef1772b6dff9a122358552954ad0df65"},
      {std::string(56, 'a'), "3b0c8ac703f828b04c6c197006d17218"},
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

TEST(CMD5Test, ToHexRefusesMissingArguments) {
  unsigned int words[4];
  char text[33];  // exactly the room needed, for AddressSanitizer to watch
  CMD5::getHash("abc", 3, words, 4);
  CMD5::toHex(nullptr, text);  // no digest: the empty text
  EXPECT_STREQ("", text);
  CMD5::toHex(words, nullptr);  // no room: nothing is written
}
