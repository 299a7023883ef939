#include "tolvex/foundation/std_hash_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tolvex/errors/throw_assertions_test.h"

namespace {

class StdHashTableTest : public testing::Test {
 protected:
  // The names a cursor walk visits, in order.
  std::vector<std::string> walk() {
    std::vector<std::string> names;
    for (void* at = table.firstElement(); at; at = table.nextElement()) {
      names.push_back(table.getName());
    }
    return names;
  }

  StdHashTable table;
};

// A client's table, which counts the calls of its clear().
class ClientTable : public StdHashTable {
 public:
  void clear() override {
    ++clears;
    StdHashTable::clear();
  }
  int clears = 0;
};

#define EXPECT_DATA_NOT_FOUND(statement) \
  EXPECT_THROWS_EXCEPTION(statement, GenericException, "Data not found", -1)
#define EXPECT_TYPE_MISMATCH(statement) \
  EXPECT_THROWS_EXCEPTION(statement, GenericException, "Type mismatch", -1)

}  // namespace

// Each getter reads only its own type; any other name reads as neutral.
TEST_F(StdHashTableTest, ReadsByNameGiveNeutralResultsForOtherTypes) {
  int object = 0;
  table.put("d", 1.5);
  table.put("i", 7);
  table.put("l", 1LL << 40);
  table.put("p", static_cast<void*>(&object));
  table.put("s", "text");
  table.put(nullptr, 1);  // ignored
  EXPECT_EQ(5, table.size());
  for (const char* name : {"d", "i", "l", "p", "s", "missing", "",
                           static_cast<const char*>(nullptr)}) {
    const std::string n = name != nullptr ? name : "(null)";
    EXPECT_EQ(n == "d" ? 1.5 : 0.0, table.getDouble(name)) << n;
    EXPECT_EQ(n == "i" ? 7 : 0, table.getInt(name)) << n;
    EXPECT_EQ(n == "l" ? 1LL << 40 : 0, table.getLong(name)) << n;
    EXPECT_EQ(n == "p" ? &object : nullptr, table.getPointer(name)) << n;
    EXPECT_STREQ(n == "s" ? "text" : nullptr, table.getString(name)) << n;
  }
  EXPECT_EQ(DATATYPE_NONE, table.getType("missing"));
  EXPECT_FALSE(table.exists(nullptr));
}

// A put over a name replaces type and value; a null text reads as null.
TEST_F(StdHashTableTest, PutOverANameReplacesTypeAndValue) {
  table.put("a", 1);
  table.put("a", "x");
  EXPECT_EQ(0, table.getInt("a"));
  EXPECT_STREQ("x", table.getString("a"));
  table.put("a", static_cast<const char*>(nullptr));
  EXPECT_TRUE(table.exists("a"));
  EXPECT_EQ(nullptr, table.getString("a"));
  table.firstElement();
  EXPECT_EQ(nullptr, table.getString());
  EXPECT_EQ(1, table.size());
}

TEST_F(StdHashTableTest, CursorValueGettersCheckTheType) {
  EXPECT_DATA_NOT_FOUND(table.getName());  // a new table: at the end
  table.put("n", 4);
  table.firstElement();
  EXPECT_EQ(4, table.getInt());
  EXPECT_TYPE_MISMATCH(table.getString());
  // The failure leaves the cursor where it was.
  EXPECT_STREQ("n", table.getName());
}

TEST_F(StdHashTableTest, WalksInUnsignedByteOrderOfTheNames) {
  for (const char* name : {"b", "B", "ab", "a", "\xC3\xA9", "z", "a\x7F"}) {
    table.put(name, 0);
  }
  const std::vector<std::string> expected = {"B", "a", "ab",      "a\x7F",
                                             "b", "z", "\xC3\xA9"};
  EXPECT_EQ(expected, walk());
  EXPECT_DATA_NOT_FOUND(table.getName());
}

TEST_F(StdHashTableTest, CopySharesPointedObjectsButNotTexts) {
  int shared = 0;
  table.put("t", "source");
  table.put("p", static_cast<void*>(&shared));
  table.put("n", static_cast<const char*>(nullptr));
  table.copy(table);
  EXPECT_EQ(3, table.size());

  ClientTable copy;  // emptied through its own clear()
  copy.put("stale", 1);
  copy.copy(table);
  EXPECT_EQ(1, copy.clears);
  copy.put("t", "changed");
  EXPECT_STREQ("source", table.getString("t"));
  EXPECT_EQ(&shared, copy.getPointer("p"));
  EXPECT_FALSE(copy.exists("stale"));
  EXPECT_TRUE(copy.exists("n"));
  EXPECT_DATA_NOT_FOUND(copy.getName());
}
