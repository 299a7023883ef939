#pragma once

// A straightforward MD2 (RFC 1319), written as the RFC's reference code
// reads: the baseline the library's engine is measured against, since the
// peer library has no MD2. Not part of the library.

#include <cstddef>

namespace md2_reference {

/// The 16 digest bytes of `length` bytes of `message` into `digest`.
void digest(const unsigned char* message, std::size_t length,
            unsigned char digest[16]);

}  // namespace md2_reference
