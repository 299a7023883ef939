#pragma once

/// \file
/// Emulation of the few Windows runtime and API functions the platform uses.
///
/// The bounded string functions follow the Windows runtime's documented
/// behaviour: they return 0 on success and an errno code otherwise, never write
/// outside [dest, dest + size), and leave a NUL-terminated result whenever
/// dest is non-null and size is non-zero. A result that does not fit leaves
/// the empty string in dest and returns ERANGE; a null source leaves the empty
/// string and returns EINVAL; a null dest or a zero size writes nothing and
/// returns EINVAL.
///
/// Thread-safety: every function is safe to call from any thread on distinct
/// buffers.

#include <cstddef>

#include "ruvak3/export.h"

/// The base library's services, as libtolvex uses them.
namespace ruvak3 {
/// Emulations of the Windows API and runtime functions the platform uses.
namespace win_emul {

/// strncpy_s copies as much as fits and returns STRUNCATE for this count.
constexpr std::size_t _TRUNCATE = static_cast<std::size_t>(-1);
/// Returned by strncpy_s when a _TRUNCATE copy was cut short.
constexpr int STRUNCATE = 80;

/// Copies src, NUL included, into dest of size bytes.
RUVAK3_API int strcpy_s(char* dest, std::size_t size, const char* src);

/// Copies at most count characters of src into dest of size bytes and
/// terminates the result. With count == _TRUNCATE, a source that does not fit
/// is cut to size - 1 characters and STRUNCATE is returned. Reads src only up
/// to count characters; a null src with count 0 gives the empty string.
RUVAK3_API int strncpy_s(char* dest, std::size_t size, const char* src,
                         std::size_t count);

/// Appends src to the NUL-terminated text in dest of size bytes. A dest not
/// terminated within size is emptied and EINVAL is returned.
RUVAK3_API int strcat_s(char* dest, std::size_t size, const char* src);

/// Lower-cases the ASCII letters A-Z of str in place, whatever the locale.
/// A str not terminated within size is emptied and EINVAL is returned.
RUVAK3_API int _strlwr_s(char* str, std::size_t size);

}  // namespace win_emul
}  // namespace ruvak3
