#pragma once

/// \file
/// The export macro of libtolvex.so.

/// Marks every published class, constant and free function of libtolvex.so.
/// Everything else, file-level tables included, stays hidden in the shared
/// object.
#define TOLVEX_API __attribute__((visibility("default")))
