#include "tolvex/text/redaction.h"

#include <algorithm>

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

bool Redaction::masks(const char* name) const {
  return name != nullptr &&
         std::find(names_.begin(), names_.end(), name) != names_.end();
}
