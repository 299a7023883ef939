#include "tolvex/foundation/storage_factory.h"

#include <gtest/gtest.h>

#include <memory>

TEST(StorageFactoryTest, MakesEmptyContainersThatOwnNothing) {
  // AddressSanitizer shows a double free or a leak otherwise.
  auto* owned = new int(5);
  {
    std::unique_ptr<IVector> vector(StorageFactory::createVector(""));
    std::unique_ptr<IHashTable> table(StorageFactory::createHashTable(""));
    EXPECT_TRUE(vector->isEmpty());
    EXPECT_EQ(0, table->size());
    vector->addElement(owned);
    table->put("owned", static_cast<void*>(owned));
    table->put("owned", 1);
  }
  EXPECT_EQ(5, *owned);
  delete owned;
}
