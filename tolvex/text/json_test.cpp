#include "tolvex/text/json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/model/universal_message.h"
#include "tolvex/text/differences.h"

namespace {

// The message of the shape's example, built through the setters.
UniversalMessage exampleMessage() {
  UniversalMessage message("alice-1", "W");
  UniversalFieldGroup entry;
  entry.setValue("269", "0");
  entry.setValueDouble("270", 1.0825);
  UniversalFieldGroupList list;
  list.put(&entry);
  message.setValue("268", &list);
  message.setValueInt("271", 100);
  message.setValue("7", static_cast<const char*>(nullptr));
  message.setValueLong("9000", 12345678901LL);
  message.setValueBinary("95", "\x00\x01\x02", 3);
  return message;
}

std::string roundTrip(const IFieldGroup& group) {
  const std::string json = toJson(group, Redaction::revealAll());
  JsonError error;
  auto read = messageFromJson(json, &error);
  if (!read)
    return "refused at " + std::to_string(error.column) + ": " + error.what;
  const auto found = differences(group, *read, Redaction::revealAll());
  return found.empty() ? "" : found.front().toString();
}

TEST(Json, WritesTheDocumentedShape) {
  EXPECT_EQ(toJson(exampleMessage()),
            "{\"268\": {\"list\": [{\"269\": {\"text\": \"0\"}, \"270\": "
            "{\"double\": 1.0825}}]}, \"271\": {\"int\": 100}, \"35\": "
            "{\"text\": \"W\"}, \"7\": {\"none\": null}, \"9000\": {\"long\": "
            "12345678901}, \"95\": {\"binary\": \"AAEC\"}, \"SID\": {\"text\": "
            "\"alice-1\"}}");
  EXPECT_EQ(toJson(UniversalFieldGroup()), "{}");
}

TEST(Json, WritesValuesExactlyAndReadsThemBack) {
  const double infinity = std::numeric_limits<double>::infinity();
  const std::pair<double, const char*> doubles[] = {
      {0.1, "0.1"},  // shortest, not the exact binary expansion
      {-0.0, "-0.0"},
      {2.0, "2.0"},  // a point, so that typed readers see a double
      {1e300, "1e+300"},
      {-infinity, "\"-Infinity\""},
      {std::nan(""), "\"NaN\""},
  };
  for (const auto& [value, json] : doubles) {
    UniversalFieldGroup group;
    group.setValueDouble("d", value);
    EXPECT_EQ(toJson(group),
              std::string("{\"d\": {\"double\": ") + json + "}}");
    EXPECT_EQ(roundTrip(group), "") << json;
  }
  const std::pair<const char*, const char*> texts[] = {
      {"q\"b\\", "\"q\\\"b\\\\\""},
      {"\n\t\x01\x7f", "\"\\n\\t\\u0001\x7f\""},
      {"\xe2\x82\xac\xf0\x9f\x98\x80", "\"\xe2\x82\xac\xf0\x9f\x98\x80\""},
      {"\xe2\x82", "\"\\udce2\\udc82\""},             // a sequence cut short
      {"\xed\xa0\x80", "\"\\udced\\udca0\\udc80\""},  // a raw surrogate
  };
  for (const auto& row : texts) {
    UniversalFieldGroup group;
    group.setValue(row.first, row.first);
    const std::string quoted = row.second;
    EXPECT_EQ(toJson(group), "{" + quoted + ": {\"text\": " + quoted + "}}");
    EXPECT_EQ(roundTrip(group), "") << quoted;
  }
}

TEST(Json, PasswordsAreMaskedUnlessRevealed) {
  UniversalMessage logon("s", "BE");
  logon.setValue("554", "secret");
  logon.setValue("925", "new");
  EXPECT_EQ(toJson(logon),
            "{\"35\": {\"text\": \"BE\"}, \"554\": {\"text\": \"***\"}, "
            "\"925\": {\"text\": \"***\"}, \"SID\": {\"text\": \"s\"}}");
}

TEST(Json, RefusesBadInputWithWhereAndWhat) {
  const std::tuple<const char*, int, int, const char*> rows[] = {
      {"", 1, 1, "The document is empty."},
      {"[]", 1, 1, "expected an object, not a value"},
      {"{\"a\": 1}", 1, 7, "expected an object naming the kind of field \"a\""},
      {"{\"a\": {\"int\": 2147483648}}", 1, 15,
       "field \"a\": value out of range for \"int\""},
      {"{\"a\": {\"int\": 1.5}}", 1, 15,
       "field \"a\": expected an integer for \"int\""},
      {"{\"a\": {\"double\": 1e-999}}", 1, 18,
       "field \"a\": double out of range"},
      {"{\"a\": {\"float\": 1}}", 1, 15,
       "unknown kind \"float\"; expected int, long, double, text, binary, list "
       "or none"},
      {"{\"a\": {\"int\": 1},\n \"a\": {\"text\": \"x\"}}", 2, 19,
       "duplicate field \"a\""},
      {"{\"a\": {}}", 1, 8,
       "field \"a\" has no kind; expected one of int, long, double, text, "
       "binary, list or none"},
      {"{\"a\": {\"text\": \"x\\u0000\"}}", 1, 25,
       "field \"a\": a text may not hold a NUL character"},
      {"{\"a\": {\"binary\": \"AAE\"}}", 1, 23,
       "field \"a\": expected standard base64"},
      {"{\"a\": {\"binary\": \"AAF=\"}}", 1, 24,
       "field \"a\": expected standard base64"},
      {"{\"a\": {\"text\": true}}", 1, 20,
       "field \"a\": expected a string for \"text\""},
      {"{\"a\": {\"text\": 1}}", 1, 16,
       "field \"a\": expected a string for \"text\""},
      {"{\"a\": {\"double\": \"nan\"}}", 1, 23,
       "field \"a\": expected a number or \"NaN\", \"Infinity\", \"-Infinity\" "
       "for \"double\""},
      {"{\"a\": {\"list\": {}}}", 1, 16,
       "field \"a\": expected an array of groups for \"list\""},
      {"{\"a\": {\"int\": 1, \"long\": 2}}", 1, 24,
       "field \"a\" has two kinds; expected one"},
      {"{\"a\": {\"list\": [1]}}", 1, 17,
       "expected a group object in the list field \"a\""},
  };
  for (const auto& [json, line, column, what] : rows) {
    JsonError error;
    EXPECT_EQ(messageFromJson(json, &error), nullptr) << json;
    EXPECT_EQ(std::to_string(error.line) + ":" + std::to_string(error.column) +
                  " " + error.what,
              std::to_string(line) + ":" + std::to_string(column) + " " + what);
  }
}

TEST(Json, RefusesNulBytesAndListsNestedTooDeep) {
  JsonError nul;
  EXPECT_EQ(messageFromJson(std::string_view("{}\0", 3), &nul), nullptr);
  EXPECT_EQ(std::to_string(nul.column) + nul.what, "3unexpected NUL byte");

  std::string json;
  for (int depth = 0; depth <= kJsonMaxListDepth; ++depth)
    json += "{\"l\": {\"list\": [";
  JsonError error;
  EXPECT_EQ(groupFromJson(json, &error), nullptr);
  EXPECT_EQ(error.what, "lists nested deeper than 64");
  EXPECT_EQ(groupFromJson(json), nullptr);  // no error wanted: none given
}

}  // namespace
