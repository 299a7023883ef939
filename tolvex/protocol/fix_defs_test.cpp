#include "tolvex/protocol/fix_defs.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// Spot checks typed from the protocol's reference lists, not derived from
// the definitions: both ends of each group and the values that are easy to
// get wrong (shared values, texts that are not numbers, bit masks).
TEST(IFixDefsTest, SpotChecksOfEachGroup) {
  const std::pair<const char*, const char*> texts[] = {
      {IFixDefs::FLDTAG_CURRENCY, "15"},
      {IFixDefs::FLDTAG_ENCRYPTEDNEWPASSWORD, "1404"},
      {IFixDefs::FLDTAG_QELBSTART, "9000"},
      {IFixDefs::FLDTAG_QELBCANDLEOPENPRICETYPE, "9101"},
      {IFixDefs::FLDTAG_BASE64_ENCODED_SIGNATURE, "BASE64_ENCODED_SIGNATURE"},
      {IFixDefs::FLDTAG_COMPACT_DATA, "C9000"},
      {IFixDefs::MSGTYPE_HEARTBEAT, "0"},
      {IFixDefs::MSGTYPE_QELBREQUESTBATCH, "U54.Batch.Req"},
      {IFixDefs::MSGTYPE_RTMP2_COMPACT_MESSAGE, "R2Mes"},
      {IFixDefs::MDENTRYTYPE_VOLUME, "H"},
      {IFixDefs::QELBTIMINGINTERVALEX_H8, "h8"},
  };
  for (const auto& [constant, value] : texts) EXPECT_STREQ(value, constant);
  const std::pair<int, int> ints[] = {
      {IFixDefs::CHANNEL_SETTING_DEFAULT, 0},
      {IFixDefs::CHANNEL_OTHER, 512},
      {IFixDefs::CHANNEL_TRADING_DATA, 1022},
      {IFixDefs::USERREQUESTTYPE_OBTAINTOKEN, 9},
      {IFixDefs::QELBTIMINGINTERVAL_MONTH1, 8},
      {IFixDefs::TRADSESSTATUS_REQUESTREJECTED, 6},
  };
  for (const auto& [constant, value] : ints) EXPECT_EQ(value, constant);
}

TEST(IFixDefsTest, NamesSharingAValueAreDistinctObjects) {
  const std::vector<std::pair<const char* const*, const char* const*>> pairs = {
      {&IFixDefs::FLDTAG_QELBSTART, &IFixDefs::FLDTAG_QELBSYMID},
      {&IFixDefs::FLDTAG_QELBTIMINGINTERVALEX, &IFixDefs::FLDTAG_SETTLTYPE},
      {&IFixDefs::MDREQREJREASON_UNSUPPORTEDSCOPE,
       &IFixDefs::QUOTECONDITION_ACTIVE}};
  for (const auto& pair : pairs) {
    EXPECT_NE(pair.first, pair.second);
    EXPECT_STREQ(*pair.first, *pair.second);
  }
}

}  // namespace
