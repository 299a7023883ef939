// Conversions of a field's value to the other scalar kinds, judged against the
// standard library: a text value against strtoll/strtod (the integer forms
// saturating at the limits of their range), a double against "%.60f" and
// truncation toward zero, a long against its low 32 bits and "%lld".

#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tolvex/model/universal_field.h"

#include "oracle.h"

namespace {

void checkText(const std::string& text) {
  UniversalField field("58", text.c_str());
  check(std::strcmp(field.getValueString(), text.c_str()) == 0,
        "text kept as given");

  const long long wide = std::strtoll(text.c_str(), nullptr, 10);
  const int narrow = wide > INT_MAX   ? INT_MAX
                     : wide < INT_MIN ? INT_MIN
                                      : static_cast<int>(wide);
  check(field.getValueInt() == narrow, "getValueInt of a text");
  check(field.getValueLong() == wide, "getValueLong of a text");
  check(sameDouble(field.getValueDouble(), std::strtod(text.c_str(), nullptr)),
        "getValueDouble of a text");
}

void checkDouble(double value) {
  UniversalField field("44", value);
  check(sameDouble(field.getValueDouble(), value),
        "getValueDouble of a double");

  int narrow = 0;
  long long wide = 0;
  if (!std::isnan(value)) {
    narrow = value >= 2147483648.0    ? INT_MAX
             : value <= -2147483649.0 ? INT_MIN
                                      : static_cast<int>(value);
    wide = value >= 9223372036854775808.0   ? LLONG_MAX
           : value < -9223372036854775808.0 ? LLONG_MIN
                                            : static_cast<long long>(value);
  }
  check(field.getValueInt() == narrow, "getValueInt of a double");
  check(field.getValueLong() == wide, "getValueLong of a double");

  const int length = std::snprintf(nullptr, 0, "%.60f", value);
  std::string expected(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(&expected[0], expected.size(), "%.60f", value);
  expected.resize(static_cast<size_t>(length));
  check(field.getValueString() == expected, "text of a double");
  // A second rendering (the long form lives in a heap block) is the same.
  check(field.getValueString() == expected, "second text of a double");
}

void checkLong(long long value) {
  UniversalField field("38", value);
  check(field.getValueLong() == value, "getValueLong of a long");
  check(field.getValueInt() == static_cast<int>(static_cast<uint32_t>(
                                   static_cast<uint64_t>(value))),
        "getValueInt of a long");
  check(sameDouble(field.getValueDouble(), static_cast<double>(value)),
        "getValueDouble of a long");
  char expected[32];
  std::snprintf(expected, sizeof expected, "%lld", value);
  check(std::strcmp(field.getValueString(), expected) == 0, "text of a long");
}

void checkInt(int value) {
  UniversalField field("14", value);
  check(field.getValueLong() == value, "getValueLong of an int");
  check(field.getValueDouble() == value, "getValueDouble of an int");
  char expected[16];
  std::snprintf(expected, sizeof expected, "%d", value);
  check(std::strcmp(field.getValueString(), expected) == 0, "text of an int");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  checkText(std::string(reinterpret_cast<const char*>(data),
                        strnlen(reinterpret_cast<const char*>(data), size)));
  if (size >= 8) {
    double d;
    long long l;
    std::memcpy(&d, data, 8);
    std::memcpy(&l, data, 8);
    checkDouble(d);
    checkLong(l);
  }
  if (size >= 4) {
    int i;
    std::memcpy(&i, data, 4);
    checkInt(i);
  }
  return 0;
}
