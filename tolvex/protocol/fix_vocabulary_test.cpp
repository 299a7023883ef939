#include "tolvex/protocol/fix_vocabulary.h"

#include <gtest/gtest.h>

#include <string>

#include "tolvex/protocol/fix_defs.h"

namespace {

const char* orNull(const char* text) {
  return text == nullptr ? "(null)" : text;
}

// Texts and names typed from the protocol's reference lists.
struct NameRow {
  const char* scope;  // the tag of a value; null for tags and message types
  const char* text;
  const char* name;
};

TEST(FixVocabulary, TagsByTextAndByName) {
  const NameRow rows[] = {
      {nullptr, "262", "MDREQID"},
      {nullptr, "15", "CURRENCY"},                   // first row of the table
      {nullptr, "9101", "QELBCANDLEOPENPRICETYPE"},  // last tag
      {nullptr, "C9000", "COMPACT_DATA"},  // a tag that is not a number
      {nullptr, "554", "PASSWORD"},
  };
  for (const NameRow& row : rows) {
    EXPECT_STREQ(orNull(FixVocabulary::tagName(row.text)), row.name);
    EXPECT_STREQ(orNull(FixVocabulary::tagByName(row.name)), row.text);
  }
}

TEST(FixVocabulary, MessageTypesByTextAndByName) {
  const NameRow rows[] = {
      {nullptr, "V", "MARKETDATAREQUEST"},
      {nullptr, "0", "HEARTBEAT"},
      {nullptr, "U54.Batch.Req", "QELBREQUESTBATCH"},  // prefix of none
      {nullptr, "U54", "QELBREQUEST"},
      {nullptr, "R2Mes", "RTMP2_COMPACT_MESSAGE"},
  };
  for (const NameRow& row : rows) {
    EXPECT_STREQ(orNull(FixVocabulary::msgTypeName(row.text)), row.name);
    EXPECT_STREQ(orNull(FixVocabulary::msgTypeByName(row.name)), row.text);
  }
}

TEST(FixVocabulary, ValuesAreNamedWithinTheirTag) {
  const NameRow rows[] = {
      {"269", "0", "BID"},
      {"269", "H", "VOLUME"},
      {"281", "A", "UNSUPPORTEDSCOPE"},  // "A" is also QUOTECONDITION_ACTIVE
      {"276", "A", "ACTIVE"},
      {"924", "1", "LOGONUSER"},  // an integer-coded set
      {"9020", "2", "END"},       // a set named apart from its tag
      {"9075", "h8", "H8"},       // a tag that has two names
      {"380", "5", "CONDITIONALLY_REQUIRED_FIELD_MISSING"},
  };
  for (const NameRow& row : rows) {
    EXPECT_STREQ(orNull(FixVocabulary::valueName(row.scope, row.text)),
                 row.name);
    EXPECT_STREQ(orNull(FixVocabulary::valueByName(row.scope, row.name)),
                 row.text);
  }
}

TEST(FixVocabulary, UnknownOrNullGivesNull) {
  EXPECT_EQ(FixVocabulary::tagName("999999"), nullptr);
  EXPECT_EQ(FixVocabulary::tagName("26"), nullptr);  // a prefix of "262"
  EXPECT_EQ(FixVocabulary::tagName(""), nullptr);
  EXPECT_EQ(FixVocabulary::tagName(nullptr), nullptr);
  EXPECT_EQ(FixVocabulary::tagByName("mdreqid"), nullptr);  // exact case
  EXPECT_EQ(FixVocabulary::msgTypeName("v"), nullptr);
  EXPECT_EQ(FixVocabulary::msgTypeByName(nullptr), nullptr);
  EXPECT_EQ(FixVocabulary::valueName("269", "Z"), nullptr);
  EXPECT_EQ(FixVocabulary::valueName("262", "0"), nullptr);  // no value set
  EXPECT_EQ(FixVocabulary::valueName(nullptr, "0"), nullptr);
  EXPECT_EQ(FixVocabulary::valueByName("269", "LOGONUSER"), nullptr);
  EXPECT_EQ(FixVocabulary::valueByName("269", nullptr), nullptr);
  EXPECT_EQ(FixVocabulary::tagNames(nullptr, nullptr, 0), 0);
}

TEST(FixVocabulary, SharedTagsGiveEveryNameInDeclarationOrder) {
  const char* names[2] = {nullptr, nullptr};
  EXPECT_EQ(FixVocabulary::tagNames("9000", names, 2), 2);
  EXPECT_STREQ(names[0], "QELBSTART");
  EXPECT_STREQ(names[1], "QELBSYMID");
  EXPECT_STREQ(FixVocabulary::tagName("9000"), "QELBSTART");
  EXPECT_STREQ(FixVocabulary::tagByName("QELBSYMID"), "9000");
  // The count is the whole number even when the capacity is smaller.
  EXPECT_EQ(FixVocabulary::tagNames("9075", names, 1), 2);
  EXPECT_STREQ(names[0], "QELBTIMINGINTERVALEX");
  EXPECT_EQ(FixVocabulary::tagNames("262", names, 2), 1);
}

// The vocabulary and the exported constants come from one table: every
// constant checked here by address is found by its name with its value.
TEST(FixVocabulary, AgreesWithTheExportedConstants) {
  EXPECT_STREQ(FixVocabulary::tagByName("NORELATEDSYM"),
               IFixDefs::FLDTAG_NORELATEDSYM);
  EXPECT_STREQ(FixVocabulary::msgTypeByName("USERRESPONSE"),
               IFixDefs::MSGTYPE_USERRESPONSE);
  EXPECT_STREQ(FixVocabulary::valueByName(IFixDefs::FLDTAG_TRADSESSTATUS,
                                          "REQUESTREJECTED"),
               std::to_string(IFixDefs::TRADSESSTATUS_REQUESTREJECTED).c_str());
}

}  // namespace
