#include "tolvex/protocol/fix_vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "tolvex/protocol/fix_defs.h"

namespace {

// Scope null: tags; "35": message types; other tags: their values.
TEST(FixVocabulary, NamesBothWays) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {nullptr, "15", "CURRENCY"},                   // first row of the table
      {nullptr, "9101", "QELBCANDLEOPENPRICETYPE"},  // last tag
      {nullptr, "C9000", "COMPACT_DATA"},  // a tag that is not a number
      {"35", "0", "HEARTBEAT"},
      {"35", "U54.Batch.Req", "QELBREQUESTBATCH"},  // begins with other types
      {"35", "U54", "QELBREQUEST"},
      {"281", "A", "UNSUPPORTEDSCOPE"},  // "A" is also ACTIVE of 276
      {"276", "A", "ACTIVE"},
      {"924", "1", "LOGONUSER"},  // an integer-coded set
      {"9020", "2", "END"},       // a set named apart from its tag
      {"9075", "h8", "H8"},       // a tag that has two names
  };
  for (const auto& [scope, text, name] : rows) {
    const bool tag = scope == nullptr,
               type = !tag && std::string(scope) == "35";
    const char* nameOf = tag    ? FixVocabulary::tagName(text)
                         : type ? FixVocabulary::msgTypeName(text)
                                : FixVocabulary::valueName(scope, text);
    const char* textOf = tag    ? FixVocabulary::tagByName(name)
                         : type ? FixVocabulary::msgTypeByName(name)
                                : FixVocabulary::valueByName(scope, name);
    EXPECT_STREQ(nameOf, name) << text;
    EXPECT_STREQ(textOf, text) << name;
  }
}

TEST(FixVocabulary, UnknownOrNullGivesNull) {
  EXPECT_EQ(FixVocabulary::tagName("26"), nullptr);  // a prefix of "262"
  EXPECT_EQ(FixVocabulary::tagName(nullptr), nullptr);
  EXPECT_EQ(FixVocabulary::tagByName("mdreqid"), nullptr);   // exact case
  EXPECT_EQ(FixVocabulary::valueName("262", "0"), nullptr);  // no value set
  EXPECT_EQ(FixVocabulary::tagNames(nullptr, nullptr, 0), 0);
}

TEST(FixVocabulary, SharedTagsGiveEveryNameInDeclarationOrder) {
  const char* names[2] = {nullptr, nullptr};
  EXPECT_EQ(FixVocabulary::tagNames("9000", names, 2), 2);
  EXPECT_EQ(std::string(names[0]) + " " + names[1], "QELBSTART QELBSYMID");
  EXPECT_STREQ(FixVocabulary::tagByName("QELBSYMID"), "9000");
  EXPECT_EQ(FixVocabulary::tagNames("9075", names, 1), 2);  // the whole count
  EXPECT_STREQ(names[0], "QELBTIMINGINTERVALEX");
}

// The vocabulary and the exported constants come from one table.
TEST(FixVocabulary, AgreesWithTheExportedConstants) {
  EXPECT_STREQ(FixVocabulary::tagByName("NORELATEDSYM"),
               IFixDefs::FLDTAG_NORELATEDSYM);
  EXPECT_STREQ(FixVocabulary::valueByName(IFixDefs::FLDTAG_TRADSESSTATUS,
                                          "REQUESTREJECTED"),
               std::to_string(IFixDefs::TRADSESSTATUS_REQUESTREJECTED).c_str());
}

}  // namespace
