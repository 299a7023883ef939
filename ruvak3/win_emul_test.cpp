#include "ruvak3/win_emul.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace ruvak3::win_emul;

namespace {

// A buffer with guard bytes on both sides, to catch writes out of bounds.
struct Guarded {
  char bytes[16 + 2];
  explicit Guarded(const char* initial = "") {
    std::memset(bytes, '#', sizeof bytes);
    std::strcpy(room(), initial);
  }
  char* room() { return bytes + 1; }
  bool guardsIntact() const { return bytes[0] == '#' && bytes[17] == '#'; }
};

}  // namespace

TEST(StrcpySTest, CopiesWhatFitsAndEmptiesWhatDoesNot) {
  Guarded b;
  EXPECT_EQ(0, strcpy_s(b.room(), 16, "fifteen chars.."));
  EXPECT_STREQ("fifteen chars..", b.room());
  EXPECT_EQ(ERANGE, strcpy_s(b.room(), 16, "sixteen chars..."));
  EXPECT_STREQ("", b.room());
  EXPECT_TRUE(b.guardsIntact());
}

TEST(StrcpySTest, NullArgumentsAreRefusedWithoutWritingOutside) {
  Guarded b("keep");
  EXPECT_EQ(EINVAL, strcpy_s(nullptr, 16, "x"));
  EXPECT_EQ(EINVAL, strcpy_s(b.room(), 0, "x"));
  EXPECT_STREQ("keep", b.room());
  EXPECT_EQ(EINVAL, strcpy_s(b.room(), 16, nullptr));
  EXPECT_STREQ("", b.room());
  EXPECT_TRUE(b.guardsIntact());
}

TEST(StrncpySTest, CopiesAtMostCountCharacters) {
  Guarded b;
  EXPECT_EQ(0, strncpy_s(b.room(), 16, "abcdef", 3));
  EXPECT_STREQ("abc", b.room());
  // A source without a NUL is read no further than count.
  const char unterminated[4] = {'w', 'x', 'y', 'z'};
  EXPECT_EQ(0, strncpy_s(b.room(), 16, unterminated, 4));
  EXPECT_STREQ("wxyz", b.room());
  EXPECT_TRUE(b.guardsIntact());
}

TEST(StrncpySTest, RoomAndCountEqualToTheSizeEmptyATextThatDoesNotFit) {
  Guarded b;
  EXPECT_EQ(0, strncpy_s(b.room(), 16, "fifteen chars..", 16));
  EXPECT_STREQ("fifteen chars..", b.room());
  EXPECT_EQ(ERANGE, strncpy_s(b.room(), 16, "sixteen chars...", 16));
  EXPECT_STREQ("", b.room());
  EXPECT_TRUE(b.guardsIntact());
}

TEST(StrncpySTest, TruncateCopiesWhatFits) {
  Guarded b;
  EXPECT_EQ(STRUNCATE, strncpy_s(b.room(), 4, "abcdef", _TRUNCATE));
  EXPECT_STREQ("abc", b.room());
  EXPECT_EQ(0, strncpy_s(b.room(), 4, "ab", _TRUNCATE));
  EXPECT_STREQ("ab", b.room());
}

TEST(StrncpySTest, NullSourceWithZeroCountGivesTheEmptyString) {
  Guarded b("keep");
  EXPECT_EQ(0, strncpy_s(b.room(), 16, nullptr, 0));
  EXPECT_STREQ("", b.room());
  std::strcpy(b.room(), "keep");
  EXPECT_EQ(EINVAL, strncpy_s(b.room(), 16, nullptr, 1));
  EXPECT_STREQ("", b.room());
  EXPECT_EQ(EINVAL, strncpy_s(nullptr, 0, "x", 1));
}

TEST(StrcatSTest, AppendsWhatFitsAndEmptiesWhatDoesNot) {
  Guarded b("abc");
  EXPECT_EQ(0, strcat_s(b.room(), 16, "defghijklmno"));
  EXPECT_STREQ("abcdefghijklmno", b.room());
  EXPECT_EQ(ERANGE, strcat_s(b.room(), 16, "p"));
  EXPECT_STREQ("", b.room());
  EXPECT_TRUE(b.guardsIntact());
}

TEST(StrcatSTest, UnterminatedOrNullArgumentsAreRefused) {
  Guarded b;
  std::memset(b.room(), 'x', 16);
  EXPECT_EQ(EINVAL, strcat_s(b.room(), 16, "y"));
  EXPECT_EQ('\0', b.room()[0]);
  std::strcpy(b.room(), "keep");
  EXPECT_EQ(EINVAL, strcat_s(b.room(), 16, nullptr));
  EXPECT_STREQ("", b.room());
  EXPECT_EQ(EINVAL, strcat_s(nullptr, 16, "y"));
  EXPECT_TRUE(b.guardsIntact());
}

TEST(StrlwrSTest, LowerCasesAsciiLettersOnly) {
  char text[] = "MiXeD 123 \xC4Z";
  EXPECT_EQ(0, _strlwr_s(text, sizeof text));
  EXPECT_STREQ("mixed 123 \xC4z", text);
  char unterminated[3] = {'A', 'B', 'C'};
  EXPECT_EQ(EINVAL, _strlwr_s(unterminated, sizeof unterminated));
  EXPECT_EQ('\0', unterminated[0]);
  EXPECT_EQ(EINVAL, _strlwr_s(nullptr, 4));
}
