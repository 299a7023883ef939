#include "tolvex/foundation/md2.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string md2(CMD2& engine, const std::string& text) {
  return engine.getDigest(reinterpret_cast<const unsigned char*>(text.data()),
                          static_cast<unsigned int>(text.size()));
}

}  // namespace

TEST(CMD2Test, MatchesTheReferenceSuite) {
  const struct {
    const char* message;
    const char* digest;
  } rows[] = {
      {"", "8350e5a3e24c153df2275c9f80692773"},
      {"abc", "da853b0d3f88d99b30283a69e6ded6bb"},
      {"1234567890123456789012345678901234567890"
       "1234567890123456789012345678901234567890",
       "d5976f79d83d3a0dc9806c3c66f3efd8"},
  };
  CMD2 engine;  // one engine for all: each digest starts afresh
  for (const auto& row : rows) {
    EXPECT_EQ(row.digest, md2(engine, row.message)) << row.message;
  }
}

// Takes a message already padded by the caller, block by block.
class PrePadded : public CMD2 {
 public:
  void calculate(unsigned char* blocks, unsigned long count) override {
    for (unsigned long i = 0; i + 16 <= count; i += 16) transform(blocks + i);
  }
};

TEST(CMD2Test, PaddingAddsOneBlockOfItsLengthAndTheChecksumAnother) {
  const struct {
    std::string message;
    std::string padded;
  } rows[] = {
      {"", std::string(16, '\x10')},               // sixteen 16s
      {"0123456789abcde", "0123456789abcde\x01"},  // a single 1
      {"0123456789abcdef", "0123456789abcdef" + std::string(16, '\x10')},
  };
  for (const auto& row : rows) {
    CMD2 whole;
    PrePadded byBlocks;
    EXPECT_EQ(md2(whole, row.message), md2(byBlocks, row.padded))
        << row.message.size() << " bytes";
  }
}
