#pragma once

// Redaction: which fields the text forms (describe, toJson, differences)
// mask, so that secrets do not reach logs in clear.
//
//   describe(logon);                            // PASSWORD: ***
//   describe(logon, Redaction::revealAll());    // PASSWORD: "secret"
//   describe(logon, Redaction().mask("553"));   // USERNAME masked as well

#include <bitset>
#include <string>
#include <vector>

#include "tolvex/export.h"

/// A set of field names whose values are masked wherever they appear, at any
/// depth. By default it holds the password tags: 554 (PASSWORD), 925
/// (NEWPASSWORD) and 1404 (ENCRYPTEDNEWPASSWORD). A small value: copy it
/// freely.
/// Thread-safety: const calls are safe from any thread; changing one
/// redaction while another thread reads it is not.
class TOLVEX_API Redaction {
 public:
  /// The text a masked value shows instead of itself, "***".
  static const char* const MASK;

  /// Masks the password tags.
  Redaction();
  /// Masks nothing: every value is shown in clear.
  static Redaction revealAll();

  /// Masks the fields named `name` as well (null does nothing); returns
  /// this redaction.
  Redaction& mask(const char* name);
  /// True when the fields named `name` are masked; false for null.
  bool masks(const char* name) const;

 private:
  std::vector<std::string> names_;
  // The first bytes of names_, so that most names are told apart at once.
  std::bitset<256> firstBytes_;
};
