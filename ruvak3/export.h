#pragma once

/// \file
/// The export macro of libruvak3.so.

/// Marks every published class and function of libruvak3.so; everything else
/// stays hidden in the shared object.
#define RUVAK3_API __attribute__((visibility("default")))
