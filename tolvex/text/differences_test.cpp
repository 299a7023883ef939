#include "tolvex/text/differences.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tolvex/model/universal_field_group.h"
#include "tolvex/model/universal_field_group_list.h"
#include "tolvex/text/json.h"

namespace {

UniversalFieldGroup fromJson(const char* json) {
  JsonError error;
  auto group = groupFromJson(json, &error);
  EXPECT_NE(group, nullptr) << json << ": " << error.what;
  return group ? *group : UniversalFieldGroup();
}

std::string listed(const std::vector<Difference>& found) {
  std::string text;
  for (const Difference& difference : found)
    text += difference.toString() + "\n";
  return text;
}

TEST(Differences, EachIsListedWithItsPath) {
  const std::tuple<const char*, const char*, const char*> rows[] = {
      {R"({"a": {"int": 1}})", R"({"b": {"int": 1}})",
       "a: int 1 != (absent)\nb: (absent) != int 1\n"},
      {R"({"a": {"int": 1}})", R"({"a": {"long": 1}})", "a: int 1 != long 1\n"},
      {R"({"a": {"double": 0}})", R"({"a": {"double": -0}})",
       "a: double 0.0 != double -0.0\n"},
      {R"({"t": {"text": "x"}, "u": {"binary": "AAE="}})",
       R"({"t": {"text": "y"}, "u": {"binary": "AAI="}})",
       "t: \"x\" != \"y\"\nu: binary 2 bytes AAE= != binary 2 bytes AAI=\n"},
      // inside lists, groups numbered from 1
      {R"({"268": {"list": [{"270": {"double": 1}}, {"270": {"double": 1.5}}]}})",
       R"({"268": {"list": [{"270": {"double": 1}}, {"270": {"double": 2.5}}]}})",
       "268[2].270: double 1.5 != double 2.5\n"},
      // lists of different lengths: the sizes, then the common groups
      {R"({"l": {"list": [{"x": {"int": 1}}]}})",
       R"({"l": {"list": [{"x": {"int": 2}}, {}]}})",
       "l: list of 1 != list of 2\nl[1].x: int 1 != int 2\n"},
      {R"({"554": {"text": "a"}})", R"({"554": {"text": "b"}})",
       "554: *** != ***\n"},
  };
  for (const auto& [first, second, expected] : rows) {
    EXPECT_EQ(listed(differences(fromJson(first), fromJson(second))), expected)
        << first;
  }
}

}  // namespace
