#pragma once

// ITransportProvider: the entry point of a transport implementation. A
// client picks the provider whose name matches ConParams::transportProvider,
// initializes it and creates sessions from connection parameters.
//
//   provider->initialize();
//   ITransportSession* session = provider->createSession(&params);
//   session->connect();
//   session->login(nullptr, nullptr);  // credentials from params
//   ...
//   session->logout();
//   session->disconnect();
//   session->release();
//   provider->shutdown();
//
// Failures are thrown by pointer as members of the GenericException family
// (CommunicationException, AuthenticationException, SessionTimeoutException
// and so on); the catcher deletes the exception. Operations without a
// throwing failure say so and give a neutral result instead.

#include "tolvex/export.h"

class ConParams;
class GenericException;
class IMessageFactory;
class ISessionStatusListener;
class ITransportSession;

/// A transport: its identity, its capabilities, its options, and the
/// sessions it creates. A provider outlives every session it created.
/// Thread-safety: as the implementation states; the library implements none.
class TOLVEX_API ITransportProvider {
 public:
  ITransportProvider();
  virtual ~ITransportProvider();

  // Identity. Each text points into the provider and lives as long as it.

  /// The provider's name, as ConParams::transportProvider names it (such as
  /// ISessionStatus::CONNECT_HTTP); never null.
  virtual const char* getName() const = 0;
  /// The implementation's version text; never null.
  virtual const char* getVersion() const = 0;
  /// Who made the implementation; never null.
  virtual const char* getVendor() const = 0;
  /// A line for people to read; never null.
  virtual const char* getDescription() const = 0;

  // Lifecycle.

  /// Prepares the provider for creating sessions; a second call does
  /// nothing. Throws a GenericException* when the transport cannot start.
  virtual void initialize() = 0;
  /// Closes every session still open (as closeAllSessions()) and releases
  /// what initialize() acquired. Sessions still referenced stay valid
  /// objects, disconnected. Throws nothing.
  virtual void shutdown() = 0;
  /// True between initialize() and shutdown().
  virtual bool isInitialized() const = 0;

  // Sessions.

  /// Whether createSession would accept these parameters (provider name,
  /// HTTP or TCP, security); false for null.
  virtual bool supportsConnection(const ConParams* params) const = 0;
  /// A new, unconnected session for `params`, of which the session keeps
  /// its own copy. The result holds one reference, the caller's, which the
  /// caller gives back with release(). Throws an IllegalRequestException*
  /// for null or unsupported parameters, or a GenericException* when the
  /// provider is not initialized.
  virtual ITransportSession* createSession(const ConParams* params) = 0;
  /// The number of sessions created and not yet destroyed.
  virtual int getSessionCount() const = 0;
  /// The live session whose getSessionId() is `sessionId`, with a reference
  /// added for the caller (who releases it); null when there is none or
  /// `sessionId` is null.
  virtual ITransportSession* findSession(const char* sessionId) = 0;
  /// Logs out and disconnects every live session; throws nothing.
  virtual void closeAllSessions() = 0;
  /// The provider's message factory; owned by the provider, valid until it
  /// is destroyed. Never null.
  virtual IMessageFactory* getMessageFactory() = 0;

  // Capabilities.

  /// Whether sessions can connect over HTTP (ConParams::useHttp).
  virtual bool supportsHttp() const = 0;
  /// Whether sessions can connect over plain TCP.
  virtual bool supportsTcp() const = 0;
  /// Whether sessions can connect securely (ConParams::secure).
  virtual bool supportsSecure() const = 0;
  /// Whether sessions can connect through a proxy (ConParams::useProxy).
  virtual bool supportsProxy() const = 0;
  /// The port used when ConParams gives none, for a secure or plain
  /// connection; -1 when the provider has no default.
  virtual int getDefaultPort(bool secure) const = 0;

  // Options: named texts that tune the provider, read by sessions created
  // after the change.

  /// Stores a copy of `value` under `name`; a null `value` removes the
  /// option. Returns false, changing nothing, for a null or unknown name.
  virtual bool setOption(const char* name, const char* value) = 0;
  /// The option's text, pointing into the provider and valid until the
  /// option changes; null when it is unset or `name` is null.
  virtual const char* getOption(const char* name) const = 0;

  // Listeners.

  /// Adds a listener to the statuses of every session of the provider. The
  /// provider does not own it: the listener must stay alive until it is
  /// removed or the provider is destroyed. Null or an already added listener
  /// is ignored.
  virtual void addStatusListener(ISessionStatusListener* listener) = 0;
  /// Removes a listener; once this returns, it is no longer called. An
  /// unknown listener is ignored.
  virtual void removeStatusListener(ISessionStatusListener* listener) = 0;
};
