#pragma once

/// \file
/// Emulation of the Windows Sleep function.
///
/// Thread-safety: acts on the calling thread only; safe from any thread.

#include "ruvak3/export.h"

namespace ruvak3 {
namespace win_emul {

/// Suspends the calling thread for at least milliseconds; 0 gives up the
/// rest of its time slice instead. Values above 0xFFFFFFFF are cut to it.
RUVAK3_API void Sleep(unsigned long milliseconds);

}  // namespace win_emul
}  // namespace ruvak3
