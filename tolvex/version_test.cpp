#include "tolvex/version.h"

#include <gtest/gtest.h>

TEST(VersionTest, LoadedLibraryMatchesTheHeaders) {
  EXPECT_STREQ(TOLVEX_VERSION_STRING, tolvexVersion());
}
