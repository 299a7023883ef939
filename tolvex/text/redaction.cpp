#include "tolvex/text/redaction.h"

#include <algorithm>
#include <cstring>

const char* const Redaction::MASK = "***";

Redaction::Redaction() : names_{"554", "925", "1404"} {}

Redaction Redaction::revealAll() {
  Redaction redaction;
  redaction.names_.clear();
  return redaction;
}

Redaction& Redaction::mask(const char* name) {
  if (name != nullptr && !masks(name)) names_.emplace_back(name);
  return *this;
}

// Asked once per field written: one strlen, then lengths before bytes.
bool Redaction::masks(const char* name) const {
  if (name == nullptr || names_.empty()) return false;
  const std::size_t length = std::strlen(name);
  return std::any_of(names_.begin(), names_.end(),
                     [name, length](const std::string& masked) {
                       return masked.size() == length && masked[0] == name[0] &&
                              std::memcmp(masked.data(), name, length) == 0;
                     });
}
