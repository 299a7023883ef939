#pragma once

// IOpenToken: a reference-counted token that a session obtains from its
// server and that lets another session log in without credentials
// (ITransportSession::getOpenToken and loginWithToken). In messages its text
// travels under IFixDefs::FLDTAG_OPENTOKEN.

#include "tolvex/export.h"
#include "tolvex/session/thread_safe_add_reference_impl.h"

/// Created by a transport with one reference; every holder releases its
/// references with release(), and the last release() deletes the token.
/// Thread-safety: addRef() and release() are safe from any thread; the two
/// getters are as safe as the implementation makes them, and a token whose
/// text does not change may be read from several threads.
class TOLVEX_API IOpenToken
    : public TThreadSafeAddReferenceImpl<IAddReference> {
 public:
  /// Holds one reference.
  IOpenToken();

  /// The token text, never null. Points into the token; valid while the
  /// caller holds a reference.
  virtual const char* getToken() const = 0;
  /// When the token stops being accepted, as an OLE automation date in UTC
  /// (days since 1899-12-30 00:00); 0.0 when it does not expire.
  virtual double getExpiration() const = 0;
};
