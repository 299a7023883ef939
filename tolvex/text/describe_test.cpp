#include "tolvex/text/describe.h"

#include <gtest/gtest.h>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"

namespace {

UniversalMessage logonWithEntries() {
  UniversalMessage message("alice\n1", "BE");
  message.setValueInt("924", 1);
  message.setValue("554", "secret");
  message.setValue("x y", "q\"\t\x01");
  message.setValue("7", static_cast<const char*>(nullptr));
  message.setValueBinary("95", "\x00\x01\x02", 3);
  UniversalFieldGroupList list;
  UniversalFieldGroup entry;
  entry.setValue("269", "0");
  entry.setValueDouble("270", 1.0825);
  entry.setValueLong("9000", -5);
  list.put(&entry);
  entry = UniversalFieldGroup();
  entry.setValue("269", "Z");
  list.put(&entry);
  message.setValue("268", &list);
  return message;
}

TEST(Describe, MessageShowsNamesKindsAndNumberedEntries) {
  EXPECT_EQ(describe(logonWithEntries()),
            "message \"BE\" USERREQUEST, session \"alice\\n1\"\n"
            "  268 NOMDENTRIES: list of 2\n"
            "    #1\n"
            "      269 MDENTRYTYPE: \"0\" BID\n"
            "      270 MDENTRYPX: double 1.0825\n"
            "      9000 QELBSTART: long -5\n"
            "    #2\n"
            "      269 MDENTRYTYPE: \"Z\"\n"  // no name for an unknown value
            "  554 PASSWORD: ***\n"
            "  7: none\n"
            "  924 USERREQUESTTYPE: int 1 LOGONUSER\n"
            "  95: binary 3 bytes AAEC\n"
            "  \"x y\": \"q\\\"\\t\\x01\"\n");
}

TEST(Describe, RedactionIsTheCallersChoiceAndMessagesMayBeBare) {
  const UniversalMessage message = logonWithEntries();
  EXPECT_NE(describe(message, Redaction::revealAll())
                .find("554 PASSWORD: \"secret\""),
            std::string::npos);
  EXPECT_NE(describe(message, Redaction().mask("SID")).find("session ***\n"),
            std::string::npos);
  UniversalFieldGroup group;
  group.setValue("55", "EUR/USD");
  group.setValueBinary("b", "", 0);
  EXPECT_EQ(describe(group), "55 SYMBOL: \"EUR/USD\"\nb: binary 0 bytes\n");
  EXPECT_EQ(describe(UniversalMessage()), "message (none), session (none)\n");
}

}  // namespace
