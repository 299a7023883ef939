#pragma once

// Builders and assertions shared by the message model's tests.

#include <gtest/gtest.h>

#include <string>

#include "tolvex/model/assert_exception_fm.h"
#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"

namespace model_test {

// Runs `statement`, expects it to throw an AssertExceptionFM* and deletes
// what was thrown, whatever it was.
#define EXPECT_THROWS_ASSERT_FM(statement)                 \
  do {                                                     \
    bool caught = false;                                   \
    try {                                                  \
      statement;                                           \
    } catch (AssertExceptionFM * e) {                      \
      caught = true;                                       \
      delete e;                                            \
    }                                                      \
    EXPECT_TRUE(caught) << "no AssertExceptionFM* thrown"; \
  } while (0)

// A group of text fields given as name/value pairs.
inline UniversalFieldGroup textGroup(
    std::initializer_list<std::pair<const char*, const char*>> fields) {
  UniversalFieldGroup group;
  for (const auto& field : fields) group.setValue(field.first, field.second);
  return group;
}

// The message of the worked example: session S1, type W, an int, a double,
// a list of two groups and a binary field.
inline UniversalMessage workedExample() {
  UniversalFieldGroup first;
  first.setValue("a", "x");
  UniversalFieldGroup second;
  second.setValueLong("b", 5);
  UniversalFieldGroupList list;
  list.put(&first);
  list.put(&second);

  UniversalMessage message("S1", "W");
  message.setValueInt("268", 2);
  message.setValueDouble("44", 1.25);
  message.setValue("L", &list);
  const unsigned char data[4] = {0, 1, 2, 3};
  message.setValueBinary("bin", data, 4);
  return message;
}

// Its dump, line by line.
inline const char* workedExampleDump() {
  return "<message>\n"
         "<group>\n"
         "field: 268 = 2\n"
         "field: 35 = W\n"
         "field: 44 = "
         "1.250000000000000000000000000000000000000000000000000000000000\n"
         "field: L = list\n"
         "<list>\n"
         "<group>\n"
         "field: a = x\n"
         "</group>\n"
         "<group>\n"
         "field: b = 5\n"
         "</group>\n"
         "</list>\n"
         "field: SID = S1\n"
         "</group>\n"
         "</message>\n";
}

}  // namespace model_test
