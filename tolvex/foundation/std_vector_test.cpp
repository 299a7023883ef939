#include "tolvex/foundation/std_vector.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Pointers = std::vector<void*>;

class StdVectorTest : public testing::Test {
 protected:
  void fill(const Pointers& elements) {
    for (void* e : elements) vector.addElement(e);
  }
  Pointers contents() {
    Pointers result;
    for (int i = 0; i < vector.size(); ++i)
      result.push_back(vector.elementAt(i));
    return result;
  }

  int objects[3] = {};
  void* p = &objects[0];
  void* q = &objects[1];
  void* r = &objects[2];
  StdVector vector;
};

// Reports other elements than it stores.
class ShiftedVector : public StdVector {
 public:
  void* elementAt(int index) override { return base + index; }
  int base[2] = {};
};

}  // namespace

TEST_F(StdVectorTest, ElementAtOutOfRangeThrowsTheStandardVectorText) {
  EXPECT_EQ(nullptr, vector.firstElement());
  fill({p, q});
  const auto textOf = [](auto&& call) {
    try {
      call();
    } catch (const std::out_of_range& e) {
      return std::string(e.what());
    }
    return std::string("no exception");
  };
  const Pointers standard(2);
  for (int index : {2, -1}) {
    EXPECT_EQ(textOf([&] { standard.at(index); }),
              textOf([&] { vector.elementAt(index); }));
  }
}

TEST_F(StdVectorTest, SearchRemovalAndBadIndexes) {
  fill({p, q, p});
  EXPECT_TRUE(vector.removeElement(p));  // the first occurrence only
  EXPECT_TRUE(vector.contains(p));
  EXPECT_FALSE(vector.removeElement(r));
  vector.removeElementAt(-1);
  vector.removeElementAt(2);
  vector.setElementAt(r, 2);
  EXPECT_EQ((Pointers{q, p}), contents());
  EXPECT_EQ(1, vector.indexOf(p));
  EXPECT_EQ(-1, vector.indexOf(r));
}

TEST_F(StdVectorTest, WalkFollowsTheLiveArray) {
  fill({p, q});
  EXPECT_EQ(p, vector.firstElement());
  vector.addElement(r);  // visited
  EXPECT_EQ(q, vector.nextElement());
  EXPECT_EQ(r, vector.nextElement());
  EXPECT_EQ(nullptr, vector.nextElement());

  EXPECT_EQ(p, vector.firstElement());
  vector.removeElementAt(0);  // below the cursor: q is skipped
  EXPECT_EQ(r, vector.nextElement());

  fill({nullptr, p});  // q, r, null, p: the null ends the walk
  EXPECT_EQ(q, vector.firstElement());
  vector.removeElementAt(3);  // above the cursor: no effect
  EXPECT_EQ(r, vector.nextElement());
  EXPECT_EQ(nullptr, vector.nextElement());

  vector.removeAllElements();
  fill({r});
  EXPECT_EQ(nullptr, vector.nextElement());  // no walk until restarted
  EXPECT_EQ(r, vector.firstElement());
}

TEST_F(StdVectorTest, AppendReadsTheSourceThroughItsVirtualOperations) {
  vector.append(nullptr);
  EXPECT_TRUE(vector.isEmpty());
  ShiftedVector source;
  fill({p});
  for (void* e : {q, r}) source.addElement(e);
  vector.append(&source);
  vector.append(&vector);
  EXPECT_EQ((Pointers{p, &source.base[0], &source.base[1], p, &source.base[0],
                      &source.base[1]}),
            contents());
}
