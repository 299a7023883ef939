#pragma once

// The checks every harness's oracle is written with: the first difference
// aborts with what differed, which libFuzzer reports as a finding.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

inline void check(bool ok, const char* what) {
  if (!ok) {
    std::fprintf(stderr, "mismatch: %s\n", what);
    std::abort();
  }
}

// Bit for bit, except that every NaN equals every other.
inline bool sameDouble(double a, double b) {
  return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

// An expected text, or nullopt where a null pointer is expected.
using Text = std::optional<std::string>;

inline bool same(const char* actual, const Text& expected) {
  if (!expected) return actual == nullptr;
  return actual != nullptr && expected->compare(actual) == 0;
}
