#include "tolvex/foundation/md_engine.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

// An engine whose digest is the message itself, to watch the base class; it
// records the steps the base class calls.
class EchoEngine : public IMDEngine {
 public:
  void initialize() override { steps += "initialize "; }
  void calculate(unsigned char* message, unsigned long count) override {
    steps += "calculate ";
    message_ = message;
    count_ = count;
  }
  void finalize() override {
    steps += "finalize ";
    setDigest(message_, static_cast<unsigned int>(count_));
  }
  std::string steps;

 private:
  const unsigned char* message_ = nullptr;
  unsigned long count_ = 0;
};

}  // namespace

TEST(IMDEngineTest, DigestTextIsLowerCaseHexHighDigitFirst) {
  const struct {
    std::string bytes;
    const char* text;
  } rows[] = {
      {std::string("\x00\xab\xff", 3), "00abff"},  // both digits, both ends
      {"\x10\x09", "1009"},                        // no digit swapped
      {"", ""},                                    // no bytes, empty text
  };
  for (const auto& row : rows) {
    EchoEngine engine;
    const char* text = engine.getDigest(
        reinterpret_cast<const unsigned char*>(row.bytes.data()),
        static_cast<unsigned int>(row.bytes.size()));
    EXPECT_STREQ(row.text, text);
  }
}

// A null message counts as empty, whatever count says. A digest too long for
// its text throws and leaves no text, and the engine is deleted through its
// own operation (ASan reports a double free or a leak otherwise).
TEST(IMDEngineTest, EveryDigestStartsAfreshAndAnOversizedOneThrows) {
  auto* engine = new EchoEngine;
  const unsigned char one[] = {1};
  engine->getDigest(one, 1);
  EXPECT_STREQ("01", engine->getDigest(one, 1));
  EXPECT_EQ("initialize calculate finalize initialize calculate finalize ",
            engine->steps);
  EXPECT_STREQ("", engine->getDigest(static_cast<unsigned char*>(nullptr), 5));
  try {
    engine->setDigest(one, 1073741823u);
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ("Integer Overflow or Wraparound", e.what());
  }
  static_cast<IMDEngine*>(engine)->destruct();
}
