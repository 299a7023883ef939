#pragma once

// Allocation failure on demand, for the allocation-failure tests: this test
// executable replaces every form of the global operator new and, in builds
// without AddressSanitizer (which owns malloc there), malloc, calloc and
// strdup. The replacements count allocation requests, from this executable
// and from the libraries it loads alike, and make one chosen request fail.

namespace allocation_failure {

/// Makes the n-th allocation request from now on fail (1 is the next one);
/// the later ones succeed again.
void failAt(long n);

/// Disarms a pending failure; returns whether a request failed since the
/// last failAt().
bool disarm();

/// Whether malloc, calloc and strdup fail on demand as well: not under
/// AddressSanitizer, nor under a memory checker that replaces malloc.
bool mallocFails();

/// Blocks made by operator new and not yet deleted.
long liveBlocks();

}  // namespace allocation_failure
