#pragma once

// COptionalParametersConst: the names of the optional connection parameters
// that the library publishes, with the values a reader assumes when they are
// absent.

#include "tolvex/export.h"

/// A holder of constants; it has no instances.
/// Thread-safety: the constants are set before main() and never change.
class TOLVEX_API COptionalParametersConst {
 public:
  COptionalParametersConst() = delete;

  /// "CHECK_SSL_ERROR"; the library itself never reads it.
  static const char* CHECK_SSL_ERROR;
  /// "N": the value assumed when CHECK_SSL_ERROR is absent.
  static const char* CHECK_SSL_ERROR_DEFAULT;
};
