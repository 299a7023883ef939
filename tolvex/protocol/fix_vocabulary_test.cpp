#include "tolvex/protocol/fix_vocabulary.h"

#include <gtest/gtest.h>

#include <string>

#include "tolvex/protocol/fix_defs.h"

namespace {

const char* orNull(const char* text) {
  return text == nullptr ? "(null)" : text;
}

// Texts and names typed from the protocol's reference lists, each row looked
// up both ways. Tags and message types have no scope; a value's scope is its
// tag.
struct NameRow {
  const char* (*nameOf)(const char* scope, const char* text);
  const char* (*textOf)(const char* scope, const char* name);
  const char* scope;
  const char* text;
  const char* name;
};

const char* tagName(const char*, const char* tag) {
  return FixVocabulary::tagName(tag);
}
const char* tagByName(const char*, const char* name) {
  return FixVocabulary::tagByName(name);
}
const char* typeName(const char*, const char* type) {
  return FixVocabulary::msgTypeName(type);
}
const char* typeByName(const char*, const char* name) {
  return FixVocabulary::msgTypeByName(name);
}

#define TAG(TEXT, NAME) \
  { tagName, tagByName, nullptr, TEXT, NAME }
#define TYPE(TEXT, NAME) \
  { typeName, typeByName, nullptr, TEXT, NAME }
#define VALUE(TAG, TEXT, NAME) \
  { FixVocabulary::valueName, FixVocabulary::valueByName, TAG, TEXT, NAME }

TEST(FixVocabulary, NamesBothWays) {
  const NameRow rows[] = {
      TAG("262", "MDREQID"),
      TAG("15", "CURRENCY"),                   // first row of the table
      TAG("9101", "QELBCANDLEOPENPRICETYPE"),  // last tag
      TAG("C9000", "COMPACT_DATA"),            // a tag that is not a number
      TYPE("V", "MARKETDATAREQUEST"),
      TYPE("0", "HEARTBEAT"),
      TYPE("U54.Batch.Req", "QELBREQUESTBATCH"),  // begins with other types
      TYPE("U54", "QELBREQUEST"),
      TYPE("R2Mes", "RTMP2_COMPACT_MESSAGE"),
      VALUE("269", "0", "BID"),
      VALUE("269", "H", "VOLUME"),
      VALUE("281", "A", "UNSUPPORTEDSCOPE"),  // "A" is also ACTIVE of 276
      VALUE("276", "A", "ACTIVE"),
      VALUE("924", "1", "LOGONUSER"),  // an integer-coded set
      VALUE("9020", "2", "END"),       // a set named apart from its tag
      VALUE("9075", "h8", "H8"),       // a tag that has two names
      VALUE("380", "5", "CONDITIONALLY_REQUIRED_FIELD_MISSING"),
  };
  for (const NameRow& row : rows) {
    EXPECT_STREQ(orNull(row.nameOf(row.scope, row.text)), row.name) << row.text;
    EXPECT_STREQ(orNull(row.textOf(row.scope, row.name)), row.text) << row.name;
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
