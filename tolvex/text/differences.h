#pragma once

// differences: what tells two messages or field groups apart, each
// difference with the path of the field it is found at.
//
//   for (const Difference& d : differences(expected, actual))
//     std::cout << d.toString() << '\n';
//   // 268[2].270: double 1.0825 != double 1.0826
//   // 55: "EUR/USD" != (absent)
//
// A path is the field names from the top group down, joined with '.', with
// the number of a list's group in brackets, from 1: "268[2].270" is field
// 270 of the second group of the list in field 268.

#include <string>
#include <vector>

#include "tolvex/export.h"
#include "tolvex/text/redaction.h"

class IFieldGroup;

/// One difference: where, and what each side holds there.
/// Thread-safety: a plain value.
struct TOLVEX_API Difference {
  std::string path;    ///< "268[2].270"; field names as they are
  std::string first;   ///< the first side's value, as describe shows it
  std::string second;  ///< the second side's value, or "(absent)"

  /// "path: first != second".
  std::string toString() const;
};

/// Every difference between `first` and `second`, in name order: a field on
/// one side only ("(absent)" on the other), a different kind, a different
/// value, lists of different lengths (their sizes, then the differences of
/// the groups both have). Doubles are compared by their bits: -0.0 differs
/// from 0.0, and a NaN equals a NaN of the same bits. Equal inputs give an
/// empty list. The values of the fields `redaction` names show
/// Redaction::MASK, though they are still compared. Walks both groups with
/// their built-in cursors; the two may be the same object.
TOLVEX_API std::vector<Difference> differences(
    const IFieldGroup& first, const IFieldGroup& second,
    const Redaction& redaction = Redaction());
