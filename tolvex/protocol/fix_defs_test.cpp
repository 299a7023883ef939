#include "tolvex/protocol/fix_defs.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// Values easy to get wrong; the vocabulary's tests cover the other texts.
TEST(IFixDefsTest, SpotChecksOfEachGroup) {
  const std::pair<const char*, const char*> texts[] = {
      {IFixDefs::FLDTAG_ENCRYPTEDNEWPASSWORD, "1404"},
      {IFixDefs::FLDTAG_BASE64_ENCODED_SIGNATURE, "BASE64_ENCODED_SIGNATURE"},
      {IFixDefs::MSGTYPE_RTMP2_COMPACT_MESSAGE, "R2Mes"},
  };
  for (const auto& [constant, value] : texts) EXPECT_STREQ(value, constant);
  const std::pair<int, int> ints[] = {
      {IFixDefs::CHANNEL_OTHER, 512},
      {IFixDefs::CHANNEL_TRADING_DATA, 1022},
      {IFixDefs::USERREQUESTTYPE_OBTAINTOKEN, 9},
      {IFixDefs::TRADSESSTATUS_REQUESTREJECTED, 6},
  };
  for (const auto& [constant, value] : ints) EXPECT_EQ(value, constant);
}

TEST(IFixDefsTest, NamesSharingAValueAreDistinctObjects) {
  EXPECT_NE(&IFixDefs::FLDTAG_QELBSTART, &IFixDefs::FLDTAG_QELBSYMID);
  EXPECT_STREQ(IFixDefs::FLDTAG_QELBSTART, IFixDefs::FLDTAG_QELBSYMID);
  EXPECT_NE(&IFixDefs::MDREQREJREASON_UNSUPPORTEDSCOPE,
            &IFixDefs::QUOTECONDITION_ACTIVE);
  EXPECT_STREQ(IFixDefs::MDREQREJREASON_UNSUPPORTEDSCOPE,
               IFixDefs::QUOTECONDITION_ACTIVE);
}

}  // namespace
