#pragma once

// IAddReference: the reference-counting interface of the objects that
// transports share with their clients (ITransportSession, IOpenToken).
// TThreadSafeAddReferenceImpl implements it.
//
//   session->addRef();   // another holder keeps the pointer
//   ...
//   session->release();  // each holder lets go once; the last deletes it

#include "tolvex/export.h"

/// A count of the holders of an object. Holders call addRef() when they keep
/// a pointer and release() when they let go; the release() that brings the
/// count to 0 deletes the object, which must therefore live on the heap. A
/// holder must not touch the object after its own last release(); calling
/// release() more often than references are held is outside the contract.
/// Thread-safety: as each implementation states; TThreadSafeAddReferenceImpl
/// allows both calls from any thread.
class TOLVEX_API IAddReference {
 public:
  virtual ~IAddReference();
  /// Adds a reference; returns the new count.
  virtual int addRef() = 0;
  /// Drops a reference; returns the new count, and deletes the object when
  /// it reaches 0.
  virtual int release() = 0;
};
