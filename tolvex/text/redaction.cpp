#include "tolvex/text/redaction.h"

#include <algorithm>
#include <cstring>

const char* const Redaction::MASK = "***";

Redaction::Redaction() {
  names_.reserve(4);
  for (const char* name : {"554", "925", "1404"}) mask(name);
}

Redaction Redaction::revealAll() {
  Redaction redaction;
  redaction.names_.clear();
  redaction.firstBytes_.reset();
  return redaction;
}

Redaction& Redaction::mask(const char* name) {
  if (name != nullptr && !masks(name)) {
    names_.emplace_back(name);
    firstBytes_.set(static_cast<unsigned char>(*name));
  }
  return *this;
}

// Asked once per field written: the first byte, then the length, then the
// bytes.
bool Redaction::masks(const char* name) const {
  if (name == nullptr || !firstBytes_[static_cast<unsigned char>(*name)]) {
    return false;
  }
  const std::size_t length = std::strlen(name);
  return std::any_of(names_.begin(), names_.end(),
                     [name, length](const std::string& masked) {
                       return masked.size() == length &&
                              std::memcmp(masked.data(), name, length) == 0;
                     });
}
