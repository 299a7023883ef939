#include "ruvak3/win_emul.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

using namespace ruvak3::win_emul;

namespace {

enum Op { kCpy, kNcpy, kCat };

// A source without a NUL, read no further than its count.
const char kUnterminated[4] = {'w', 'x', 'y', 'z'};

}  // namespace

// Each call into a 16-byte room between guard bytes: the result code, the text
// left, and no write outside the room.
TEST(WinEmulTest, BoundedCopiesFitOrEmptyAndNeverWriteOutside) {
  const struct {
    Op op;
    const char* before;  // null: sixteen 'x' and no NUL
    std::size_t size;
    const char* src;
    std::size_t count;
    int result;
    const char* after;
  } rows[] = {
      {kCpy, "", 16, "fifteen chars..", 0, 0, "fifteen chars.."},
      {kCpy, "", 16, "sixteen chars...", 0, ERANGE, ""},
      {kCpy, "keep", 16, nullptr, 0, EINVAL, ""},
      {kNcpy, "", 16, kUnterminated, 4, 0, "wxyz"},  // with room for its NUL
      {kNcpy, "", 16, "fifteen chars..", 16, 0, "fifteen chars.."},
      {kNcpy, "", 16, "sixteen chars...", 16, ERANGE, ""},
      {kNcpy, "", 4, "abcdef", _TRUNCATE, STRUNCATE, "abc"},
      {kNcpy, "keep", 16, nullptr, 1, EINVAL, ""},
      {kCat, "abc", 16, "defghijklmno", 0, 0, "abcdefghijklmno"},
      {kCat, "abcdefghijklmno", 16, "p", 0, ERANGE, ""},
      {kCat, nullptr, 16, "y", 0, EINVAL, ""},
      {kNcpy, "keep", 16, nullptr, 0, 0, ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << &row - rows);
    char bytes[16 + 2];
    std::memset(bytes, '#', sizeof bytes);
    char* room = bytes + 1;
    std::memset(room, 'x', 16);
    if (row.before != nullptr) std::strcpy(room, row.before);
    const int result = row.op == kCpy ? strcpy_s(room, row.size, row.src)
                       : row.op == kNcpy
                           ? strncpy_s(room, row.size, row.src, row.count)
                           : strcat_s(room, row.size, row.src);
    EXPECT_EQ(row.result, result);
    EXPECT_STREQ(row.after, room);
    EXPECT_TRUE(bytes[0] == '#' && bytes[17] == '#');
  }
  EXPECT_EQ(EINVAL, strcpy_s(nullptr, 16, "x"));
  EXPECT_EQ(EINVAL, strncpy_s(nullptr, 0, "x", 1));
  EXPECT_EQ(EINVAL, strcat_s(nullptr, 16, "y"));
}

TEST(WinEmulTest, StrlwrLowerCasesAsciiLettersOnly) {
  char text[] = "MiXeD 123 \xC4Z";
  EXPECT_EQ(0, _strlwr_s(text, sizeof text));
  EXPECT_STREQ("mixed 123 \xC4z", text);
  char unterminated[3] = {'A', 'B', 'C'};
  EXPECT_EQ(EINVAL, _strlwr_s(unterminated, sizeof unterminated));
  EXPECT_EQ('\0', unterminated[0]);
  EXPECT_EQ(EINVAL, _strlwr_s(nullptr, 4));
}
