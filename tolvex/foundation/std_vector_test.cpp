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

// A client's vector: it logs the library's calls; as a source it reports one
// element fewer, and other elements, than it stores.
class ClientVector : public StdVector {
 public:
  int indexOf(void* element) override {
    calls += "indexOf ";
    return StdVector::indexOf(element);
  }
  void removeElementAt(int index) override {
    calls += "removeElementAt ";
    StdVector::removeElementAt(index);
  }
  void* nextElement() override {
    calls += "nextElement ";
    return StdVector::nextElement();
  }
  int size() const override { return StdVector::size() - 1; }
  void* elementAt(int index) override { return base + index; }
  std::string calls;
  int base[2] = {};
};

}  // namespace

// elementAt throws the standard vector's error; other bad indexes do nothing.
TEST_F(StdVectorTest, BadIndexesAndSearches) {
  fill({p, q, p});
  const Pointers standard(3);
  for (int index : {3, -1}) {
    std::string ours, theirs;
    try {
      vector.elementAt(index);
    } catch (const std::out_of_range& e) {
      ours = e.what();
    }
    try {
      standard.at(index);
    } catch (const std::out_of_range& e) {
      theirs = e.what();
    }
    EXPECT_EQ(theirs, ours);
  }
  vector.removeElementAt(-1);
  vector.removeElementAt(3);
  vector.setElementAt(r, 3);
  EXPECT_EQ(0, vector.indexOf(p));
  EXPECT_EQ(-1, vector.indexOf(r));
  EXPECT_EQ((Pointers{p, q, p}), contents());
}

// Searches, removals, walks and append's reads go through virtual calls.
TEST_F(StdVectorTest, OperationsGoThroughTheVirtualOperations) {
  ClientVector client;
  for (void* e : {p, q, r}) client.addElement(e);
  EXPECT_TRUE(client.contains(q));
  EXPECT_TRUE(client.removeElement(p));
  EXPECT_FALSE(client.removeElement(p));
  EXPECT_EQ(q, client.firstElement());
  EXPECT_EQ("indexOf indexOf removeElementAt indexOf nextElement ",
            client.calls);

  vector.append(nullptr);
  EXPECT_TRUE(vector.isEmpty());
  fill({p});
  vector.append(&client);
  vector.append(&vector);
  EXPECT_EQ((Pointers{p, &client.base[0], p, &client.base[0]}), contents());
}
